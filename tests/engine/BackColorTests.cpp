#include "AppError.h"
#include "Background.h"

#include <gtest/gtest.h>

namespace {

struct ColourCase {
    const wchar_t* text;
    int32_t colour;  // when error is 0
    long error;
};

TEST(BackColorOfText, ThreeNumbersMakeAColourAndAnythingElseRaises) {
    const ColourCase cases[] = {
        {L"58 110 165", 10841658, 0},
        {L"0 0 0", 0, 0},
        {L"255 255 255", 16777215, 0},
        {L"1 2 3 4", 1 + 2 * 256 + 3 * 65536, 0},
        {L"58 110", 0, 9},
        {L"", 0, 9},
        {L"58,110,165", 0, 9},
        {L"58 x 165", 0, 13},
        {L"58  110 165", 0, 13},
        {L"58 110 40000", 0, 6},
    };
    for (const ColourCase& c : cases) {
        long error = 0;
        int32_t colour = -1;
        try {
            colour = BackColorOfText(c.text);
        } catch (const AppError& e) {
            error = e.Number();
        }
        std::string text(c.text, c.text + wcslen(c.text));
        EXPECT_EQ(error, c.error) << text;
        if (c.error == 0) {
            EXPECT_EQ(colour, c.colour) << text;
        }
    }
}

}  // namespace
