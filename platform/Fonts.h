#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The code names the classic families "宋体" and "黑体". At start-up each is
// mapped onto the best Chinese face installed: "宋体" onto one whose Latin
// letters and digits are half an em wide, as the column widths expect, where
// there is one; "黑体" onto a sans face.
enum class FaceRole
{
    Song, // "宋体"
    Hei,  // "黑体"
};

// The face for a role among the installed families: the first of the role's
// preferred faces that is installed (names compared without regard to case),
// else the first of the installed faces that write Simplified Chinese (for
// "宋体" a monospaced one, "Mono" in its name, first), else none (empty): Qt
// then finds a face for each character itself.
QString ChooseFace(FaceRole role, const QStringList& installed, const QStringList& chinese);

// Maps "宋体" and "黑体" onto the faces ChooseFace picks among the installed
// families. Needs the application object.
void RegisterFontSubstitutions();

} // namespace platform
