#include "notebook.h"

#include <algorithm>

template <typename... Parameters, typename... Arguments>
void Notebook::tell(void (Listener::*event)(Parameters...), const Arguments&... arguments) const
{
    // A listener may remove itself while it is told.
    const std::vector<Listener*> listeners = listeners_;
    for (Listener* listener : listeners)
        (listener->*event)(arguments...);
}

void Notebook::insertAt(int index, const Measurement& row)
{
    const Change change{Change::Kind::Insert, index};
    tell(&Listener::aboutToChange, change);
    rows_.insert(rows_.begin() + index, row);
    tell(&Listener::changed, change);
}

void Notebook::removeAt(int index)
{
    const Change change{Change::Kind::Remove, index};
    tell(&Listener::aboutToChange, change);
    rows_.erase(rows_.begin() + index);
    tell(&Listener::changed, change);
}

void Notebook::record(const Measurement& row)
{
    insertAt(static_cast<int>(rows_.size()), row);
    tell(&Listener::recorded, static_cast<int>(rows_.size()) - 1);
    tell(&Listener::edited);
}

void Notebook::remove(std::vector<int> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::erase_if(indices, [this](int index) { return index < 0 || index >= static_cast<int>(rows_.size()); });
    if (indices.empty())
        return;
    std::vector<std::pair<int, Measurement>> taken;
    for (const int index : indices)
        taken.emplace_back(index, rows_[index]);
    for (auto index = indices.rbegin(); index != indices.rend(); ++index)
        removeAt(*index);
    undo_.push_back(std::move(taken));
    tell(&Listener::edited);
}

void Notebook::clear()
{
    std::vector<int> all(rows_.size());
    for (int index = 0; index < static_cast<int>(all.size()); ++index)
        all[index] = index;
    remove(std::move(all));
}

void Notebook::undo()
{
    if (undo_.empty())
        return;
    const std::vector<std::pair<int, Measurement>> taken = std::move(undo_.back());
    undo_.pop_back();
    for (const auto& [index, row] : taken)
        insertAt(std::min(index, static_cast<int>(rows_.size())), row);
    tell(&Listener::edited);
}

void Notebook::replace(std::vector<Measurement> rows)
{
    const Change change{Change::Kind::Reset, 0};
    tell(&Listener::aboutToChange, change);
    rows_ = std::move(rows);
    undo_.clear();
    tell(&Listener::changed, change);
    tell(&Listener::edited);
}

void Notebook::removeListener(Listener* listener)
{
    std::erase(listeners_, listener);
}
