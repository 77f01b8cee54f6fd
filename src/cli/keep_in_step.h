// The fields that the pages keep together, kept so by the command line:
// whatever a user gives, the record that is written is one the desktop
// program could have written from the same settings.
#pragma once

#include <string>
#include <string_view>

#include "camera/camera_menu.h"
#include "record_build.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

// Which fields the user gave, by name.
struct GivenFields {
    const FieldValues& values;
    bool Has(std::string_view name) const;
};

// As Generate and the parameter page's Next Page leave CFG.BIN: the send
// option 0..3, each recipient's length, remote control on exactly for an
// interval under any option but Close 3G, the one file name, sending at once,
// thumbnails for MMS, the format marker, the MMS and 3G network texts of a
// database operator (emptied on a switch to manual input, unless given), and
// the time stamp when `options.stamp`. `base` is the record before the
// user's values, for telling what the user changed.
bool KeepCfgInStep(SendSettings& s, const SendSettings& base, const GivenFields& given, const BuildOptions& options,
                   std::string& error);

// As the Camera Setup page writes menu.dat: the format marker, and in Auto
// clock mode the local time when `options.stamp`. A typed (Input) clock must
// be a date the page's edits accept.
bool KeepMenuInStep(CameraMenu& m, const BuildOptions& options, std::string& error);

// Why a field the user gave was written otherwise; nullptr for fields the
// rules never change.
const char* WhyChanged(FileKind kind, std::string_view field);

// The nine provisioning texts that a database operator decides.
bool IsDatabaseText(std::string_view field);

}  // namespace trailcfg::cli
