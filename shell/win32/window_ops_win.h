// The window operations on the real main window.
#pragma once

#include "shell/window_ops.h"

class MainWindow;

class Win32WindowOps final : public WindowOps {
public:
    explicit Win32WindowOps(MainWindow& window) : window_(window) {}

    std::int32_t selectionIndex(std::string_view combo) override;
    void setSelectionIndex(std::string_view combo, std::int32_t index) override;
    std::string comboText(std::string_view combo) override;
    void setEnabled(std::string_view control, bool enabled) override;
    int isChecked(std::string_view radio) override;
    Text editText(std::string_view edit) override;
    void setEditText(std::string_view edit, std::string_view text) override;
    void setCaption(std::string_view label, std::string_view text) override;
    void showMessage(std::string_view message, std::string_view title) override;
    void setFocus(std::string_view control) override;

private:
    MainWindow& window_;
};
