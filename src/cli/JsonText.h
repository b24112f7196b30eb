// A JSON string literal for UTF-8 text: tarvikctl writes its JSON by hand to keep the fields in
// the order people read them.
#pragma once

#include <string>

namespace tarvik::cli {

std::string JsonString(const std::string& utf8);

}  // namespace tarvik::cli
