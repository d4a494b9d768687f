#pragma once

#include <gtest/gtest.h>
#include <QPushButton>

// Clicks the button of `parent` that reads `caption`, as the owner would.
inline void PressButton(const QWidget& parent, const QString& caption) {
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == caption) return button->click();
    ADD_FAILURE() << "no button " << caption.toStdString();
}
