#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace scriptloom {

// The most entries a table holds: the largest multiple of its growth step that a 16-bit count can
// hold.
inline constexpr std::int16_t kLargestTableCapacity = 32765;

// One of the three program-wide tables of entries. Slots 0 to Capacity exist; the entries are
// slots 0 to Count - 1 in the order they were appended. A reset leaves Capacity 30; an append
// grows Capacity by 5 when Count has reached it, so the slot with index Capacity stays free.
//
// Entries are found by Name, so the table keeps an index from each name to the indices of its
// entries, lowest first: a lookup gives the same first match as a scan from index 0. Counted
// entries change only through rewriteNamed(), which keeps that index right.
template <typename Record>
class Table {
public:
    static constexpr std::int16_t kResetCapacity = 30;
    static constexpr std::int16_t kGrowthStep = 5;
    static constexpr std::int16_t kLargestCapacity = kLargestTableCapacity;

    std::int16_t Count() const { return count_; }
    std::int16_t Capacity() const { return capacity_; }
    int slotCount() const { return static_cast<int>(slots_.size()); }
    // Changes whenever entries are appended or rewritten or the table is reset, so that whoever
    // keeps an index over the entries' commands can tell it has gone stale.
    std::uint32_t revision() const { return revision_; }

    // Discards every entry and leaves 31 empty slots, Capacity 30 and Count 0.
    void reset() {
        capacity_ = kResetCapacity;
        count_ = 0;
        slots_.assign(static_cast<std::size_t>(capacity_) + 1, Record{});
        byName_.clear();
        ++revision_;
    }

    // Makes sure the slot with index Count exists, growing by the append rule, and returns it
    // emptied. Returns nullptr when the table already holds its largest number of entries.
    Record* makeRoom() {
        if (count_ == capacity_) {
            if (capacity_ == kLargestCapacity) {
                return nullptr;
            }
            capacity_ = static_cast<std::int16_t>(capacity_ + kGrowthStep);
            slots_.resize(static_cast<std::size_t>(capacity_) + 1);
        }
        Record& slot = slots_[static_cast<std::size_t>(count_)];
        slot = Record{};
        return &slot;
    }

    // Counts the entry that makeRoom() gave room for.
    void commitAppend() {
        byName_[slots_[static_cast<std::size_t>(count_)].Name].append(count_);
        ++count_;
        ++revision_;
    }

    // Appends a whole record; false when the table is full.
    bool append(Record record) {
        Record* slot = makeRoom();
        if (slot == nullptr) {
            return false;
        }
        *slot = std::move(record);
        commitAppend();
        return true;
    }

    // Applies `rewrite` to every entry named `name`, lowest index first, and returns how many there
    // were. The rewrite may change any field, the Name included; the name index follows it, and
    // the revision moves so that an index over the entries' commands is built again.
    template <typename Rewrite>
    int rewriteNamed(const QString& name, Rewrite rewrite) {
        const QList<std::int16_t> named = byName_.value(name);
        for (const std::int16_t index : named) {
            rewrite(slots_[static_cast<std::size_t>(index)]);
        }
        for (const std::int16_t index : named) {
            const QString& now = slots_[static_cast<std::size_t>(index)].Name;
            if (now != name) {
                QList<std::int16_t>& before = byName_[name];
                before.removeOne(index);
                if (before.isEmpty()) {
                    byName_.remove(name);
                }
                QList<std::int16_t>& after = byName_[now];
                after.insert(std::lower_bound(after.begin(), after.end(), index), index);
            }
        }
        if (!named.isEmpty()) {
            ++revision_;
        }
        return static_cast<int>(named.size());
    }

    Record& operator[](int index) { return slots_[static_cast<std::size_t>(index)]; }
    const Record& operator[](int index) const { return slots_[static_cast<std::size_t>(index)]; }

    // Indices of the entries with exactly this Name, lowest first.
    QList<std::int16_t> indicesNamed(const QString& name) const { return byName_.value(name); }
    // The lowest index of an entry with exactly this Name, or -1.
    int firstNamed(const QString& name) const {
        const auto found = byName_.constFind(name);
        return found == byName_.cend() ? -1 : found->first();
    }

private:
    std::int16_t count_ = 0;
    std::int16_t capacity_ = 0;
    std::uint32_t revision_ = 0;
    std::vector<Record> slots_;
    QHash<QString, QList<std::int16_t>> byName_;
};

}  // namespace scriptloom
