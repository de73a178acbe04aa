// The library's string and list operations beside the same work done with the standard library.
// Each pair is named lib/<work> and std/<work>; tools/bench-report divides one by the other.
#include "options.h"
#include "strs.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

const int lineCount = 100000;

// 100,000 lines of 40 random letters and digits, the same on every run.
const std::vector<std::string>& randomLines() {
    static std::vector<std::string> lines = [] {
        std::mt19937 random(1996);
        const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::vector<std::string> v(lineCount);
        for (std::string& s : v) {
            s.resize(40);
            for (char& c : s)
                c = alphabet[random() % (sizeof alphabet - 1)];
        }
        return v;
    }();
    return lines;
}

const std::string& linesFile() {
    static std::string path = [] {
        std::string p = "/tmp/library_bench_lines.txt";
        std::ofstream out(p);
        for (const std::string& s : randomLines())
            out << s << '\n';
        return p;
    }();
    return path;
}

strs libraryLines() {
    strs list;
    for (const std::string& s : randomLines())
        list.add(s.c_str());
    return list;
}

const char sentence[] = "the quick brown fox jumps over the lazy dog";

// A text of words and blanks, for the token and replace pairs.
std::string wordsText(int words) {
    std::string t;
    for (int i = 0; i < words; ++i)
        t += (i ? " " : "") + std::string(i % 2 ? "ab" : "word");
    return t;
}

// A command line of about size bytes: switches and paths separated by commas.
std::string commandLine(size_t size) {
    std::string t;
    for (int i = 0; t.size() < size; ++i)
        t += (i ? "," : "") + std::string(i % 4 == 0 ? "/run" : "C:\\downloaded files\\tool") +
             std::to_string(i);
    return t;
}

void libConstruct(benchmark::State& state) {
    for (auto _ : state) {
        str s(sentence);
        benchmark::DoNotOptimize((const char*)s);
    }
}
void stdConstruct(benchmark::State& state) {
    for (auto _ : state) {
        std::string s(sentence);
        benchmark::DoNotOptimize(s.data());
    }
}

void libCopy(benchmark::State& state) {
    str a(sentence);
    for (auto _ : state) {
        str s(a);
        benchmark::DoNotOptimize((const char*)s);
    }
}
void stdCopy(benchmark::State& state) {
    std::string a(sentence);
    for (auto _ : state) {
        std::string s(a);
        benchmark::DoNotOptimize(s.data());
    }
}

void libConcat(benchmark::State& state) {
    str a(sentence), b(" and back again");
    for (auto _ : state) {
        str s = a + b;
        benchmark::DoNotOptimize((const char*)s);
    }
}
void stdConcat(benchmark::State& state) {
    std::string a(sentence), b(" and back again");
    for (auto _ : state) {
        std::string s = a + b;
        benchmark::DoNotOptimize(s.data());
    }
}

// The 20th word of 40.
void libToken(benchmark::State& state) {
    str text(wordsText(40).c_str());
    for (auto _ : state) {
        str t = text.token(20, " ");
        benchmark::DoNotOptimize((const char*)t);
    }
}
void stdToken(benchmark::State& state) {
    std::string text = wordsText(40);
    for (auto _ : state) {
        size_t start = 0;
        for (int i = 0; i < 20; ++i)
            start = text.find(' ', start) + 1;
        std::string t = text.substr(start, text.find(' ', start) - start);
        benchmark::DoNotOptimize(t.data());
    }
}

void libTokenCount(benchmark::State& state) {
    str text(wordsText(400).c_str());
    for (auto _ : state)
        benchmark::DoNotOptimize(text.tokenCount(" "));
}
void stdTokenCount(benchmark::State& state) {
    std::string text = wordsText(400);
    for (auto _ : state) {
        int n = 0;
        for (size_t p = text.find_first_not_of(' '); p != std::string::npos;
             p = text.find_first_not_of(' ', text.find(' ', p)))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}

void libReplace(benchmark::State& state) {
    str text(wordsText(400).c_str());
    for (auto _ : state) {
        str r = text.replace("ab", "xyz");
        benchmark::DoNotOptimize((const char*)r);
    }
}
void stdReplace(benchmark::State& state) {
    std::string text = wordsText(400);
    for (auto _ : state) {
        std::string r;
        size_t from = 0;
        for (size_t at; (at = text.find("ab", from)) != std::string::npos; from = at + 2)
            r.append(text, from, at - from).append("xyz");
        r.append(text, from, std::string::npos);
        benchmark::DoNotOptimize(r.data());
    }
}

void libSort(benchmark::State& state) {
    strs lines = libraryLines();
    for (auto _ : state) {
        state.PauseTiming();
        strs copy(lines);
        state.ResumeTiming();
        copy.sort();
        benchmark::DoNotOptimize(copy.size());
        state.PauseTiming(); // the copy's release is not part of the sort
        copy.clear();
        state.ResumeTiming();
    }
}
void stdSort(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> copy = randomLines();
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
        state.PauseTiming();
        copy.clear();
        copy.shrink_to_fit();
        state.ResumeTiming();
    }
}

void libUnique(benchmark::State& state) {
    strs lines = libraryLines();
    for (auto _ : state) {
        strs once = lines.unique();
        benchmark::DoNotOptimize(once.size());
    }
}
void stdUnique(benchmark::State& state) {
    const std::vector<std::string>& lines = randomLines();
    for (auto _ : state) {
        std::unordered_set<std::string> seen;
        std::vector<std::string> once;
        for (const std::string& s : lines)
            if (seen.insert(s).second) once.push_back(s);
        benchmark::DoNotOptimize(once.data());
    }
}

void libRead(benchmark::State& state) {
    const std::string& path = linesFile();
    for (auto _ : state) {
        strs lines;
        lines.read(path.c_str());
        benchmark::DoNotOptimize(lines.size());
    }
}
void stdRead(benchmark::State& state) {
    const std::string& path = linesFile();
    for (auto _ : state) {
        std::ifstream in(path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
}

void libJoin(benchmark::State& state) {
    strs lines = libraryLines();
    for (auto _ : state) {
        str all = lines.join();
        benchmark::DoNotOptimize((const char*)all);
    }
}
void stdJoin(benchmark::State& state) {
    const std::vector<std::string>& lines = randomLines();
    for (auto _ : state) {
        std::string all;
        for (const std::string& s : lines)
            all.append(s).append(" ");
        benchmark::DoNotOptimize(all.data());
    }
}

void libParseList(benchmark::State& state) {
    std::string line = commandLine((size_t)state.range(0));
    for (auto _ : state) {
        options o;
        o.parseList(line.c_str());
        benchmark::DoNotOptimize(o.size());
    }
    state.SetComplexityN(state.range(0));
}
void stdParseList(benchmark::State& state) {
    std::string line = commandLine((size_t)state.range(0));
    for (auto _ : state) {
        std::vector<std::string> switches, args;
        size_t from = 0;
        while (from <= line.size()) {
            size_t comma = line.find(',', from);
            if (comma == std::string::npos) comma = line.size();
            if (comma > from) {
                std::string token = line.substr(from, comma - from);
                if (token.size() > 1 && (token[0] == '/' || token[0] == '-'))
                    switches.push_back(token.substr(1));
                else
                    args.push_back(token);
            }
            from = comma + 1;
        }
        benchmark::DoNotOptimize(switches.data());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(libConstruct)->Name("lib/str construct");
BENCHMARK(stdConstruct)->Name("std/str construct");
BENCHMARK(libCopy)->Name("lib/str copy");
BENCHMARK(stdCopy)->Name("std/str copy");
BENCHMARK(libConcat)->Name("lib/str concatenate");
BENCHMARK(stdConcat)->Name("std/str concatenate");
BENCHMARK(libToken)->Name("lib/token 20 of 40");
BENCHMARK(stdToken)->Name("std/token 20 of 40");
BENCHMARK(libTokenCount)->Name("lib/tokenCount of 400");
BENCHMARK(stdTokenCount)->Name("std/tokenCount of 400");
BENCHMARK(libReplace)->Name("lib/replace in 400 words");
BENCHMARK(stdReplace)->Name("std/replace in 400 words");
BENCHMARK(libSort)->Name("lib/strs sort 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(stdSort)->Name("std/strs sort 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(libUnique)->Name("lib/strs unique 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(stdUnique)->Name("std/strs unique 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(libRead)->Name("lib/strs read 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(stdRead)->Name("std/strs read 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(libJoin)->Name("lib/strs join 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(stdJoin)->Name("std/strs join 100000")->Unit(benchmark::kMillisecond);
BENCHMARK(libParseList)
    ->Name("lib/parseList")
    ->RangeMultiplier(4)
    ->Range(8 << 10, 128 << 10)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(stdParseList)
    ->Name("std/parseList")
    ->RangeMultiplier(4)
    ->Range(8 << 10, 128 << 10)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
