#pragma once
// Yes/no settings stored as text: "True"/"False" in any letter case, or a number, which
// means yes unless it is 0 ("1", "-1"). Any other text raises error 13.
#include <string>

bool BooleanOfText(const std::wstring& text);
