#ifndef PCIZ_TESTS_EDITOR_VIEWS_H
#define PCIZ_TESTS_EDITOR_VIEWS_H

// The editor's grid as a person sees it: the 256 cells in offset order and their texts.

#include <DataTextView.h>
#include <Window.h>

#include <string>
#include <vector>

inline std::vector<DataTextView*> CellsOf(const BWindow* editor)
{
    std::vector<DataTextView*> cells;
    for (int32 i = 0; i < editor->CountChildren(); ++i)
        if (auto* cell = dynamic_cast<DataTextView*>(editor->ChildAt(i)))
            cells.push_back(cell);
    return cells;
}

inline std::string CellText(const BWindow* editor, int offset)
{
    return CellsOf(editor).at(offset)->Text();
}

#endif
