// Text that leaves the program: JSON strings that stay valid whatever bytes they were made of,
// and arguments quoted in an error line that can neither break the line nor steer a terminal.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text with each byte that does not belong to a well-formed UTF-8 character replaced by
// U+FFFD.
std::string ValidUtf8(std::string_view text);

// The text as a JSON string, quotes included: valid UTF-8, with quotes, backslashes and
// control characters escaped.
std::string JsonString(std::string_view text);

// The text fit for one line of a terminal: a backslash is written "\\", line feed, carriage
// return and tab "\n", "\r", "\t", and every other byte of a character that does not print
// (control characters of both ranges, bytes that are not UTF-8) as "\xHH".
std::string Printable(std::string_view text);

}  // namespace cli
