// Reading the words of a step. Each reader fails the step with a message
// that says what was expected there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "session.h"

namespace trailcfg::scenario {

// The step has exactly `count` words (the step's own words included).
bool HasArgs(Session& session, const Step& step, std::size_t count, const char* usage);
bool HasArgsAtLeast(Session& session, const Step& step, std::size_t count, const char* usage);

bool NumberArg(Session& session, const Step& step, std::size_t index, std::int64_t& value);
bool TextArg(Session& session, const Step& step, std::size_t index, std::string& gbk);
bool YesNoArg(Session& session, const Step& step, std::size_t index, bool& yes);

// A word or a text naming a file or folder; relative to the working folder.
std::filesystem::path PathArg(Session& session, const Token& token);

// A page on screen and, on it, the control named by the word at `index`:
// its id, or its layout name (control_names.h).
bool PageArg(Session& session, const Step& step);
bool ControlArg(Session& session, const Step& step, std::size_t index, int& id);

// The control `id` that ControlArg read at `index`, for a report: as the file
// named it, a number always in decimal.
std::string ControlWord(const Step& step, std::size_t index, int id);

}  // namespace trailcfg::scenario
