// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sequences that grow at the end (the history box, the balances of a run, a casino's spins)
// and whose copies share their elements: the undo history and the run file copy the run state
// often, and these grow with every spin.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <thread>
#include <vector>

namespace brisvale {

// An append-only sequence. A copy costs a pointer: copies share one buffer, each seeing its own
// length. Appending writes in place while this copy is the longest view of the buffer and the
// buffer was made on this thread, and otherwise first takes a buffer of its own, so no copy
// ever sees another's change. (A copy handed to another thread may append there; it must not
// be read there while the original still appends.)
template <class T>
class Series {
  public:
    Series() = default;
    Series(std::initializer_list<T> items) { append(items.begin(), items.size()); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T& operator[](std::size_t i) const { return items_->items[i]; }
    const T& back() const { return items_->items[size_ - 1]; }
    const T* data() const { return items_ ? items_->items.data() : nullptr; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size_; }

    void push_back(const T& value) {
        writable(1);
        items_->items.push_back(value);
        ++size_;
    }
    void append(const T* first, std::size_t count) {
        writable(count);
        items_->items.insert(items_->items.end(), first, first + count);
        size_ += count;
    }
    void clear() {
        items_.reset();
        size_ = 0;
    }
    // The view shrinks; the elements stay for the copies that still see them, so the next
    // append takes a buffer of its own.
    void pop_back() { --size_; }

    friend bool operator==(const Series& a, const Series& b) {
        if (a.size_ != b.size_) return false;
        for (std::size_t i = 0; i < a.size_; ++i) {
            if (!(a[i] == b[i])) return false;
        }
        return true;
    }

  private:
    struct Buffer {
        std::vector<T> items;
        std::thread::id thread = std::this_thread::get_id();
    };

    // The buffer may take `more` items at its end.
    void writable(std::size_t more) {
        if (items_ && items_->items.size() == size_ &&
            items_->thread == std::this_thread::get_id()) {
            return;
        }
        auto own = std::make_shared<Buffer>();
        own->items.reserve(size_ + size_ / 2 + more + 16);
        if (items_) {
            own->items.assign(items_->items.begin(),
                              items_->items.begin() + static_cast<std::ptrdiff_t>(size_));
        }
        items_ = std::move(own);
    }

    std::shared_ptr<Buffer> items_;
    std::size_t size_ = 0;
};

}  // namespace brisvale
