// Evaluations per second of the calculator's full cycle (pre-processing,
// evaluator, notation) on eight fixed expressions, beside muparser parsing and
// evaluating the same expressions anew each time (when it is installed).

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "calculator/eval/evaluation_cycle.h"
#include "calculator/eval/preprocess.h"
#include "calculator/eval/result_notation.h"

#ifdef HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

// The calculator's syntax: degrees, sqr, exp, argument values, named constants.
constexpr std::array<std::string_view, 8> kExpressions{
    "1+2*3",       "sin(30)*2+sqr(16)/4", "(1.5e3-2)/7^2",     "log10(12345)*exp(1.5)",
    "x^2+2*x+1:3", "2*pi*$in/3",          "atan(1)*4-cos(60)", "((2+3)*(4-1))^2/5",
};

void bmTallixFullCycle(benchmark::State& state) {
    tallix::Calculator calculator;
    for (auto _ : state) {
        for (const std::string_view expression : kExpressions) {
            tallix::CycleOutcome outcome = calculator.run(expression);
            benchmark::DoNotOptimize(outcome);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kExpressions.size()));
}
BENCHMARK(bmTallixFullCycle);

void bmTallixPreProc(benchmark::State& state) {
    const tallix::NamedConstantTable constants = tallix::makeNamedConstants(tallix::Evaluator::kPi);
    for (auto _ : state) {
        for (const std::string_view expression : kExpressions) {
            auto text = tallix::preProc(expression, constants);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kExpressions.size()));
}
BENCHMARK(bmTallixPreProc);

void bmTallixEvaluator(benchmark::State& state) {
    const tallix::NamedConstantTable constants = tallix::makeNamedConstants(tallix::Evaluator::kPi);
    std::array<std::string, kExpressions.size()> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = *tallix::preProc(kExpressions[i], constants);
    }
    tallix::Evaluator evaluator;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(evaluator.evaluate(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kExpressions.size()));
}
BENCHMARK(bmTallixEvaluator);

void bmTallixNotation(benchmark::State& state) {
    constexpr std::array<double, 8> kValues{7, 3, 30.571428571428573, 390.23, 16, 0.0532, 2.64, 45};
    const tallix::NotationOptions options;
    for (auto _ : state) {
        for (const double value : kValues) {
            std::string text = tallix::formatResult(value, options);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(bmTallixNotation);

#ifdef HAVE_MUPARSER
// The same expressions in muparser's syntax (radians, sqrt, a variable x).
constexpr std::array<const char*, 8> kMuExpressions{
    "1+2*3",
    "sin(30*_pi/180)*2+sqrt(16)/4",
    "(1.5e3-2)/7^2",
    "log10(12345)*exp(1.5)",
    "x^2+2*x+1",
    "2*_pi*0.0254/3",
    "atan(1)*4-cos(60*_pi/180)",
    "((2+3)*(4-1))^2/5",
};

void BM_MuparserParseAndEvaluate(benchmark::State& state) {
    mu::Parser parser;
    double x = 3.0;
    parser.DefineVar("x", &x);
    for (auto _ : state) {
        for (const char* expression : kMuExpressions) {
            parser.SetExpr(expression);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMuExpressions.size()));
}
BENCHMARK(BM_MuparserParseAndEvaluate);
#endif

}  // namespace

BENCHMARK_MAIN();
