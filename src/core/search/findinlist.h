#pragma once
#include "core/search/listorder.h"

#include <QString>

#include <vector>

// The Trova command of every list: finds the next line holding the find
// text, A to Z without case. A text other than the last one starts again
// from the first line (testing it first); the same text again continues
// after the selected line, wrapping round, back to that line at most.
class FindInList
{
public:
    // Forgets the last find text, as when the window is shown.
    void reset() { m_remembered.clear(); }
    QString remembered() const { return m_remembered; }

    // The row to select, or -1 when no line holds the text (the selection
    // then stays). `selected` is the selected row, or -1 for none, which
    // counts as the first. An empty text finds nothing. The text is
    // remembered in every case.
    int find(const std::vector<ListEntry> &lines, int selected, const QString &typed);

private:
    QString m_remembered;   // A to Z lowered
};

// The count line under a search's list.
namespace CountLine {
QString text(qsizetype lines);
}
