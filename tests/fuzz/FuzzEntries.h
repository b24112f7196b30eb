// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets' entry points. Each runs one input through the program's own code, the way the
// bytes would reach it, and checks what must hold for any input. libFuzzer calls them in the clang
// fuzz build (FuzzMain.cpp); the corpus test calls them with every committed input in every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvik::fuzz {

// What went wrong that no input may cause; empty when all is well. (A crash, a hang or a sanitizer
// report is caught by whoever runs the entry.)
using Problem = std::string;
using Entry = Problem (*)(const std::uint8_t* data, std::size_t size);

// A unit file's text: the reader, and the writer for what it accepts.
Problem UnitFile(const std::uint8_t* data, std::size_t size);
// The reports a unit sends, through the read of a newly attached unit to each pedal's description.
Problem Answers(const std::uint8_t* data, std::size_t size);
// One of tarvikctl's argument parsers (the first byte chooses which), on the words that follow.
Problem CliArguments(const std::uint8_t* data, std::size_t size);
// A HID report descriptor, as `doctor` and the udev probe read it from sysfs.
Problem ReportDescriptor(const std::uint8_t* data, std::size_t size);

}  // namespace tarvik::fuzz
