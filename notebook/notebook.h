#pragma once

#include "measurement.h"

#include <utility>
#include <vector>

// The student's measurements, oldest first. Deleting rows (some or all)
// can be undone. Listeners are told of each row inserted or removed, before
// and after, and once more when the whole edit is done.
class Notebook
{
public:
    struct Change
    {
        enum class Kind { Insert, Remove, Reset } kind;
        int row = 0; // the row inserted or removed
    };

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void aboutToChange(const Change&) { }
        virtual void changed(const Change&) { }
        virtual void recorded(int /*row*/) { }
        virtual void edited() { }
    };

    const std::vector<Measurement>& rows() const { return rows_; }

    void record(const Measurement& row);
    // Removes the rows at these indices, as one step to undo.
    void remove(std::vector<int> indices);
    void clear();
    bool canUndo() const { return !undo_.empty(); }
    // Puts back the rows that the last removal took, where they stood.
    void undo();
    // The rows read from a file: a new notebook, with nothing to undo.
    void replace(std::vector<Measurement> rows);

    void addListener(Listener* listener) { listeners_.push_back(listener); }
    void removeListener(Listener* listener);

private:
    void insertAt(int index, const Measurement& row);
    void removeAt(int index);
    template <typename... Parameters, typename... Arguments>
    void tell(void (Listener::*event)(Parameters...), const Arguments&... arguments) const;

    std::vector<Measurement> rows_;
    // Each removal: the rows it took, with the indices they had, in order.
    std::vector<std::vector<std::pair<int, Measurement>>> undo_;
    std::vector<Listener*> listeners_;
};
