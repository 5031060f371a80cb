// Numbers as text with exactly the precision they are stored in: the shortest
// text that reads back as the same float or double.
#pragma once

#include <string>

class NumberText {
public:
    static std::string Format(float value);
    static std::string Format(double value);
};
