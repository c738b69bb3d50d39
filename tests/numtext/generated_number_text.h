// Random texts of the number grammar that fields may hold (white space, signs, points, exponent
// markers, huge exponents, full-width forms, a rest that is no part of the number), each with the
// plain ASCII form of the number it starts with, written for strtod.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace numtext::testing {

struct GeneratedNumberText {
    std::string text;
    // [-]digits[.digits][e[-]exponent] with the exponent's value capped at 5201; empty when the text
    // holds no mantissa.
    std::string canonical;
};

class NumberTextGenerator {
public:
    explicit NumberTextGenerator(unsigned seed) : random_(seed) {}
    GeneratedNumberText next();

private:
    bool chance(int percent);
    int uniform(int low, int high);
    const std::string& pick(const std::vector<std::string>& choices);
    std::string digits(int count, std::string& ascii);
    // Appends the ASCII character or, at random, its full-width form.
    void appendAsciiOrFullWidth(std::string& text, char c);

    std::mt19937 random_;
};

}  // namespace numtext::testing
