#include "platform/Fonts.h"

#include <gtest/gtest.h>

using platform::ChooseFace;
using platform::FaceRole;

// Whichever of the packages the program depends on is installed, "宋体" gets a
// face with half-width Latin where there is one and "黑体" a sans face.
TEST(FontChoice, BestInstalledFaceForEachRole)
{
    const struct
    {
        QStringList installed;
        QStringList chinese; // of them, the faces that write Simplified Chinese
        const char* song;
        const char* hei;
    } rows[] = {
        // fonts-noto-cjk
        {{"DejaVu Sans", "Noto Sans CJK SC", "Noto Sans Mono CJK SC", "Noto Serif CJK SC"},
         {"Noto Sans CJK SC", "Noto Sans Mono CJK SC", "Noto Serif CJK SC"},
         "Noto Sans Mono CJK SC",
         "Noto Sans CJK SC"},
        // fonts-wqy-microhei, its names as the font database may spell them
        {{"DejaVu Sans", "Wenquanyi Micro Hei", "WenQuanYi Micro Hei Mono"},
         {"Wenquanyi Micro Hei", "WenQuanYi Micro Hei Mono"},
         "Wenquanyi Micro Hei",
         "Wenquanyi Micro Hei"},
        // both WenQuanYi packages
        {{"WenQuanYi Micro Hei", "WenQuanYi Micro Hei Mono", "WenQuanYi Zen Hei",
          "WenQuanYi Zen Hei Mono"},
         {"WenQuanYi Micro Hei", "WenQuanYi Micro Hei Mono", "WenQuanYi Zen Hei",
          "WenQuanYi Zen Hei Mono"},
         "WenQuanYi Zen Hei Mono",
         "WenQuanYi Micro Hei"},
        // fonts-wqy-zenhei
        {{"WenQuanYi Zen Hei", "WenQuanYi Zen Hei Mono", "WenQuanYi Zen Hei Sharp"},
         {"WenQuanYi Zen Hei", "WenQuanYi Zen Hei Mono", "WenQuanYi Zen Hei Sharp"},
         "WenQuanYi Zen Hei Mono",
         "WenQuanYi Zen Hei"},
        // Noto without its monospaced face, beside a Ming face
        {{"AR PL UMing CN", "Noto Sans CJK SC", "Noto Serif CJK SC"},
         {"AR PL UMing CN", "Noto Sans CJK SC", "Noto Serif CJK SC"},
         "Noto Serif CJK SC",
         "Noto Sans CJK SC"},
        // Only faces of no list: any Chinese one, a monospaced one for "宋体"
        {{"DejaVu Sans", "Noto Sans CJK JP", "Sarasa Mono SC"},
         {"Noto Sans CJK JP", "Sarasa Mono SC"},
         "Sarasa Mono SC",
         "Noto Sans CJK JP"},
        // No Chinese face at all: Qt falls back per character
        {{"DejaVu Sans", "Liberation Serif"}, {}, "", ""},
        {{}, {}, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.installed.join(", ").toStdString());
        EXPECT_EQ(ChooseFace(FaceRole::Song, row.installed, row.chinese), QString(row.song));
        EXPECT_EQ(ChooseFace(FaceRole::Hei, row.installed, row.chinese), QString(row.hei));
    }
}
