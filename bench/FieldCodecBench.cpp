// Decode and encode throughput of the packed and binary field codecs, in
// fields per second, over a spread of values typical of a data file.

#include "layout/core/CompField.h"
#include "layout/core/PackDec.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

using namespace norvane;

namespace {

constexpr std::size_t FieldCount = 4096;

// Texts of the picture's shape: signed with two decimals, digits spread over
// every length the picture allows.
std::vector<std::string> sampleTexts(int integerDigits, bool withDecimals, bool isSigned)
{
    std::mt19937_64 random(42);
    std::vector<std::string> texts;
    texts.reserve(FieldCount);
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const int length = 1 + static_cast<int>(random() % static_cast<unsigned>(integerDigits));
        std::string text = isSigned && random() % 2 ? "-" : "";
        for (int d = 0; d < length; ++d)
            text.push_back(static_cast<char>('0' + random() % 10));
        if (withDecimals) {
            text.push_back('.');
            text.push_back(static_cast<char>('0' + random() % 10));
            text.push_back(static_cast<char>('0' + random() % 10));
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

struct Shape {
    const char *picture;
    int integerDigits;
    bool withDecimals;
    bool isSigned;
};

// 0: S9(7)V99, 1: S9(4), 2: 9(18)
constexpr Shape Shapes[] = {{"S9(7)V99", 7, true, true}, {"S9(4)", 4, false, true}, {"9(18)", 18, false, false}};

void TextToPackedBench(benchmark::State &state)
{
    const Shape &shape = Shapes[state.range(0)];
    const auto texts = sampleTexts(shape.integerDigits, shape.withDecimals, shape.isSigned);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextToPacked(texts[i], shape.picture));
        i = (i + 1) % FieldCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(shape.picture);
}

void PackedToTextBench(benchmark::State &state)
{
    const Shape &shape = Shapes[state.range(0)];
    std::vector<std::string> fields;
    for (const std::string &text : sampleTexts(shape.integerDigits, shape.withDecimals, shape.isSigned))
        fields.push_back(TextToPacked(text, shape.picture).value());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PackedToText(fields[i], shape.picture));
        i = (i + 1) % FieldCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(shape.picture);
}

// As a record reader calls it: the column's picture parsed once.
void PackedToTextParsedBench(benchmark::State &state)
{
    const Shape &shape = Shapes[state.range(0)];
    const PackedPic pic = ParsePackedPic(shape.picture).value();
    std::vector<std::string> fields;
    for (const std::string &text : sampleTexts(shape.integerDigits, shape.withDecimals, shape.isSigned))
        fields.push_back(TextToPacked(text, pic).value());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PackedToText(fields[i], pic));
        i = (i + 1) % FieldCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(shape.picture);
}

void TextToCompBench(benchmark::State &state)
{
    const Shape &shape = Shapes[state.range(0)];
    const auto order = state.range(1) ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    const auto size = static_cast<std::size_t>(ParseCompPic(shape.picture).value().byteCount());
    const auto texts = sampleTexts(shape.integerDigits, shape.withDecimals, shape.isSigned);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextToComp(texts[i], shape.picture, size, order));
        i = (i + 1) % FieldCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(shape.picture) + (state.range(1) ? " big-endian" : " little-endian"));
}

void CompToTextBench(benchmark::State &state)
{
    const Shape &shape = Shapes[state.range(0)];
    const auto order = state.range(1) ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    const auto size = static_cast<std::size_t>(ParseCompPic(shape.picture).value().byteCount());
    std::vector<std::string> fields;
    for (const std::string &text : sampleTexts(shape.integerDigits, shape.withDecimals, shape.isSigned))
        fields.push_back(TextToComp(text, shape.picture, size, order).value());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompToText(fields[i], shape.picture, order));
        i = (i + 1) % FieldCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(shape.picture) + (state.range(1) ? " big-endian" : " little-endian"));
}

void CompToTextParsedBench(benchmark::State &state)
{
    const Shape &shape = Shapes[state.range(0)];
    const CompPic pic = ParseCompPic(shape.picture).value();
    const auto size = static_cast<std::size_t>(pic.byteCount());
    std::vector<std::string> fields;
    for (const std::string &text : sampleTexts(shape.integerDigits, shape.withDecimals, shape.isSigned))
        fields.push_back(TextToComp(text, pic, size, ByteOrder::BigEndian).value());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompToText(fields[i], pic, ByteOrder::BigEndian));
        i = (i + 1) % FieldCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(shape.picture) + " big-endian");
}

} // namespace

BENCHMARK(PackedToTextBench)->DenseRange(0, 2);
BENCHMARK(TextToPackedBench)->DenseRange(0, 2);
BENCHMARK(CompToTextBench)->ArgsProduct({{0, 1, 2}, {1, 0}});
BENCHMARK(TextToCompBench)->ArgsProduct({{0, 1, 2}, {1, 0}});
BENCHMARK(PackedToTextParsedBench)->DenseRange(0, 2);
BENCHMARK(CompToTextParsedBench)->DenseRange(0, 2);
