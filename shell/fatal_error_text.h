// The text of the fatal error box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "运行时出错!" CR LF CR LF, then "错误代码：" code CR LF CR LF when the code is not 0, then
// "错误信息：" message CR LF when the message is not empty. GBK.
std::string fatalErrorText(std::string_view message, std::int32_t code);
