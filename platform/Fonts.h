#pragma once

namespace platform {

// The code names the classic families "宋体" and "黑体"; they are mapped onto the
// installed Noto CJK families: "宋体" onto one whose Latin letters and digits are
// half-width, as the column widths expect, "黑体" onto the sans family.
void RegisterFontSubstitutions();

} // namespace platform
