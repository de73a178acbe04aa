// set<T>: a looseSet that owns its elements: it deletes them on removal and copies them in.
#pragma once

#include "looseSet.h"

template <class T> class set : public looseSet<T> {
public:
    set() : owns(1) {}
    // A copy has the same owns value; an owning copy holds copies of the elements.
    set(const set& other) : looseSet<T>(), owns(other.owns) { this->addAll(other); }
    set& operator=(const set& other) {
        if (this != &other) {
            this->clear();
            owns = other.owns;
            this->addAll(other);
        }
        return *this;
    }
    // The base destructor can no longer reach release() of this class: clear here.
    ~set() override { this->clear(); }

    void release(T* element) override {
        if (owns) delete element;
    }
    T* copyOf(T* element) override { return owns ? new T(*element) : element; }

    int owns;
};
