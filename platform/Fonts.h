#pragma once

namespace platform {

// The code names the classic families "宋体" and "黑体"; they are mapped onto the
// installed Noto CJK serif and sans families.
void RegisterFontSubstitutions();

} // namespace platform
