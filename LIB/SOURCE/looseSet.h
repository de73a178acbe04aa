// looseSet<T>: a doubly linked list of element pointers with a built-in cursor; it owns no element.
#pragma once

// The list never holds a null element: a null result marks the end of every walk. The walking
// idiom is toFirst(0), then, while current() is not null, use it and move(1). The cursor belongs to
// the list, so two walks of one list cannot be interleaved.
template <class T> class looseSet {
public:
    looseSet() : count(0), first(nullptr), cursor(nullptr), last(nullptr) {}
    looseSet(const looseSet& other) : looseSet() { addAll(other); }
    looseSet& operator=(const looseSet& other) {
        if (this != &other) {
            clear();
            addAll(other);
        }
        return *this;
    }

    // Disposes of one element as it leaves the list; a loose set leaves it to its owner.
    virtual void release(T*) {}
    // The element to store for one copied in from another list; a loose set shares it.
    virtual T* copyOf(T* element) { return element; }
    virtual ~looseSet() { clear(); }

    int size() const { return count; }

    // Appends; an owning list takes the element over. A null element is ignored.
    void add(T* element) {
        if (!element) return;
        node* n = new node{last, element, nullptr};
        if (!first)
            first = cursor = n;
        else
            last->next = n;
        last = n;
        ++count;
    }

    // n steps forward (n > 0) or -n steps back; running off either end leaves the cursor null.
    T* move(int n) {
        for (; n > 0 && cursor; --n)
            cursor = cursor->next;
        for (; n < 0 && cursor; ++n)
            cursor = cursor->prev;
        return current();
    }

    T* toFirst(int n = 0) {
        cursor = first;
        return move(n);
    }

    T* current() const { return cursor ? cursor->element : nullptr; }

    // Appends copyOf of each element of other, in order. Walks other's nodes, not its cursor, and
    // takes only the elements present at the start, so adding a list to itself doubles it.
    void addAll(const looseSet& other) {
        node* n = other.first;
        for (int left = other.count; left > 0 && n; --left, n = n->next)
            add(copyOf(n->element));
    }

    void clear() {
        for (node* n = first; n;) {
            node* next = n->next;
            release(n->element);
            delete n;
            n = next;
        }
        count = 0;
        first = cursor = last = nullptr;
    }

    void reverse() {
        for (node* n = first; n; n = n->prev) {
            node* t = n->next;
            n->next = n->prev;
            n->prev = t;
        }
        node* t = first;
        first = last;
        last = t;
        cursor = nullptr;
    }

    // Removes the node at the cursor, which then moves to the previous node, or to the new first.
    void remove() {
        if (!cursor) return;
        node* n = cursor;
        (n->prev ? n->prev->next : first) = n->next;
        (n->next ? n->next->prev : last) = n->prev;
        cursor = n->prev ? n->prev : first;
        release(n->element);
        delete n;
        --count;
    }

protected:
    struct node {
        node* prev;
        T* element;
        node* next;
    };
    int count;
    node* first;
    node* cursor;
    node* last;
};
