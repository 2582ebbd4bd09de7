#pragma once
// Sequences that only grow at the end (the history box, the balances of a run) and whose copies
// share their elements: the undo history and the run file copy the run state often, and these
// grow with every spin.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
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

// The entries of a list control. They are set at start-up and seldom change, so copies share
// them; a change gives the changed list its own entries.
class ItemList {
  public:
    ItemList() = default;
    ItemList(std::vector<std::string> items)  // NOLINT: lists are assigned from vectors
        : items_(std::make_shared<const std::vector<std::string>>(std::move(items))) {}
    ItemList(std::initializer_list<std::string> items)
        : ItemList(std::vector<std::string>(items)) {}

    std::size_t size() const { return all().size(); }
    bool empty() const { return all().empty(); }
    const std::string& operator[](std::size_t i) const { return all()[i]; }
    auto begin() const { return all().begin(); }
    auto end() const { return all().end(); }

    void push_back(std::string item) {
        auto more = std::make_shared<std::vector<std::string>>(all());
        more->push_back(std::move(item));
        items_ = std::move(more);
    }

    friend bool operator==(const ItemList& a, const ItemList& b) { return a.all() == b.all(); }

  private:
    const std::vector<std::string>& all() const {
        static const std::vector<std::string> kNone;
        return items_ ? *items_ : kNone;
    }
    std::shared_ptr<const std::vector<std::string>> items_;
};

}  // namespace brisvale
