// A hash map from keys to values for indexes that only grow: the entries in one array, an
// open-addressing table of their indexes, no allocation per entry. The derivation indexes of a
// large device hold tens of thousands of names, and a node-based map spent more on allocating than
// on looking up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace regforge {

template <class Key, class Value, class Hash = std::hash<Key>>
class FlatMap {
 public:
  /// Adds key with value unless key is there already: the first value given for a key stays.
  void insert(const Key& key, const Value& value) {
    if ((entries_.size() + 1) * 2 > table_.size()) grow();
    std::uint32_t& slot = table_[position(key)];
    if (slot != 0) return;
    entries_.push_back({key, value});
    slot = static_cast<std::uint32_t>(entries_.size());
  }

  /// The value of key, or null.
  const Value* find(const Key& key) const {
    if (table_.empty()) return nullptr;
    const std::uint32_t slot = table_[position(key)];
    return slot != 0 ? &entries_[slot - 1].value : nullptr;
  }

  std::size_t size() const { return entries_.size(); }

  /// Forgets every entry and keeps the memory, for a map used once per scope. The slots are
  /// emptied newest entry first: an entry's probe passes only slots of older entries, which
  /// are still taken when it is looked for.
  void clear() {
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
      table_[position(entry->key)] = 0;
    entries_.clear();
  }

 private:
  struct Entry {
    Key key;
    Value value;
  };

  // The slot holding key's entry, or the free slot where it belongs. At most half the slots
  // are used, so the probe ends.
  std::size_t position(const Key& key) const {
    const std::size_t mask = table_.size() - 1;
    std::size_t at = mix(Hash{}(key)) & mask;
    while (table_[at] != 0 && !(entries_[table_[at] - 1].key == key))
      at = (at + 1) & mask;
    return at;
  }

  // Spreads the hash over the low bits: pointers hash to themselves, with their low bits 0.
  static std::size_t mix(std::size_t hash) {
    std::uint64_t h = hash;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return static_cast<std::size_t>(h);
  }

  void grow() {
    table_.assign(table_.empty() ? 16 : table_.size() * 2, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i)
      table_[position(entries_[i].key)] = static_cast<std::uint32_t>(i + 1);
  }

  std::vector<Entry> entries_;        // in the order given
  std::vector<std::uint32_t> table_;  // per slot, an index into entries_ plus one, or 0
};

}  // namespace regforge
