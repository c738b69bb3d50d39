// numberToText against snprintf("%.13g") and std::to_chars, textToNumber against strtod and
// std::from_chars, on the numbers and texts the calculator handles.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace {

struct NamedValue {
    const char* name;
    double value;
};

const NamedValue kValues[] = {
    {"22.5", 22.5},
    {"45", 45},
    {"1/3", 1.0 / 3},
    {"1e15", 1e15},
    {"123456789012.34", 123456789012.34},
    {"-0.0045", -0.0045},
};

const char* const kTexts[] = {"22.5", "0.3333333333333", "1e+015", "500", "15", "-1.234567890123e-100"};

// The drinking and domestic water results for quotas 3..9, days 15 and persons 1..9999 in steps:
// the mix of short and 13-digit results that the result fields show.
std::vector<double> calculatorResults() {
    std::vector<double> results;
    for (const double quota : {3.0, 4.0, 5.0, 6.0, 9.0}) {
        for (int persons = 1; persons <= 9999; persons += 37) {
            const double drinking = quota * 15 * persons / 1000.0;
            results.push_back(drinking);
            results.push_back(drinking + 5);
            results.push_back(drinking / 7);
        }
    }
    return results;
}

std::vector<std::string> calculatorResultTexts() {
    std::vector<std::string> texts;
    for (const double value : calculatorResults()) texts.push_back(numtext::numberToText(value));
    return texts;
}

template <typename Convert>
void formatEach(benchmark::State& state, const std::vector<double>& values, Convert convert) {
    for (auto _ : state) {
        for (const double value : values) benchmark::DoNotOptimize(convert(value));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}

template <typename Convert>
void parseEach(benchmark::State& state, const std::vector<std::string>& texts, Convert convert) {
    for (auto _ : state) {
        for (const std::string& text : texts) benchmark::DoNotOptimize(convert(text));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}

// The contenders, each turning a double into text the way a caller would use it.
struct Formatter {
    const char* name;
    std::size_t (*format)(double);
};

const Formatter kFormatters[] = {
    {"numberToText", [](double value) { return numtext::numberToText(value).size(); }},
    {"snprintf_13g",
     [](double value) {
         char text[32];
         return static_cast<std::size_t>(std::snprintf(text, sizeof text, "%.13g", value));
     }},
    {"to_chars_general_13",
     [](double value) {
         char text[32];
         return static_cast<std::size_t>(
             std::to_chars(text, text + sizeof text, value, std::chars_format::general, 13).ptr - text);
     }},
    {"to_chars_shortest",
     [](double value) {
         char text[32];
         return static_cast<std::size_t>(std::to_chars(text, text + sizeof text, value).ptr - text);
     }},
};

struct Parser {
    const char* name;
    double (*parse)(const std::string&);
};

const Parser kParsers[] = {
    {"textToNumber", [](const std::string& text) { return numtext::textToNumber(text); }},
    {"strtod", [](const std::string& text) { return std::strtod(text.c_str(), nullptr); }},
    {"from_chars",
     [](const std::string& text) {
         double value = 0;
         std::from_chars(text.data(), text.data() + text.size(), value);
         return value;
     }},
};

void registerAll() {
    const std::vector<double> results = calculatorResults();
    const std::vector<std::string> resultTexts = calculatorResultTexts();
    for (const Formatter& formatter : kFormatters) {
        for (const NamedValue& value : kValues) {
            benchmark::RegisterBenchmark(
                (std::string("format/") + formatter.name + "/" + value.name).c_str(),
                [formatter, value](benchmark::State& state) {
                    formatEach(state, {value.value}, formatter.format);
                });
        }
        benchmark::RegisterBenchmark((std::string("format/") + formatter.name + "/calculator_results").c_str(),
                                     [formatter, results](benchmark::State& state) {
                                         formatEach(state, results, formatter.format);
                                     });
    }
    for (const Parser& parser : kParsers) {
        for (const char* text : kTexts) {
            benchmark::RegisterBenchmark((std::string("parse/") + parser.name + "/" + text).c_str(),
                                         [parser, text](benchmark::State& state) {
                                             parseEach(state, {text}, parser.parse);
                                         });
        }
        benchmark::RegisterBenchmark((std::string("parse/") + parser.name + "/calculator_results").c_str(),
                                     [parser, resultTexts](benchmark::State& state) {
                                         parseEach(state, resultTexts, parser.parse);
                                     });
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
