#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace pelorin {

// An ordered collection of shared objects under unique text keys: add at the
// end, look up by key, walk in insertion order.
template <typename T>
class KeyedCollection {
 public:
  // Adds at the end; returns false, changing nothing, if the key is taken.
  bool add(const QString& key, std::shared_ptr<T> item) {
    if (index_.contains(key)) return false;
    index_.insert(key, entries_.size());
    entries_.emplace_back(key, std::move(item));
    return true;
  }

  // The object under key, or null.
  std::shared_ptr<T> find(const QString& key) const {
    const auto it = index_.constFind(key);
    return it == index_.cend() ? nullptr : entries_[*it].second;
  }

  std::size_t count() const { return entries_.size(); }
  const std::shared_ptr<T>& at(std::size_t position) const { return entries_.at(position).second; }
  const QString& keyAt(std::size_t position) const { return entries_.at(position).first; }

  void clear() {
    entries_.clear();
    index_.clear();
  }

  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::vector<std::pair<QString, std::shared_ptr<T>>> entries_;
  QHash<QString, std::size_t> index_;
};

}  // namespace pelorin
