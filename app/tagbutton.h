#pragma once

#include <QPushButton>

// A push button that carries a number for the program's own use.
class TagButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    int Tag = 0;
};
