// What must hold at every moment of the soak, however the window has been used.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class MainWindowView;
class RunningProgram;

// The rules the running program breaks right now, one line each (UTF-8); empty when it keeps them
// all: it is alive and answers within 5 s, at most one message box is open (the caller has just
// counted them: `openMessageBoxes`), the integer boxes hold
// at most 4 characters, each result field is empty or a text that numberToText gives, the quota
// and storage-day pairs are empty or a pair of the tables, and the two status labels show one of
// their two captions. The texts of the six result fields as read go to `resultTexts` (GBK) when it
// is given.
std::vector<std::string> brokenRules(const RunningProgram& program, const MainWindowView& view,
                                     std::size_t openMessageBoxes,
                                     std::vector<std::string>* resultTexts = nullptr);
