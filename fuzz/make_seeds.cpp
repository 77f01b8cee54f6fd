// Writes the fuzzers' seed corpora: files as the program itself writes them,
// in the shapes a card may hold (every send option, Chinese texts, values the
// reader must normalise, texts without terminators), a few that the readers
// must refuse, and texts for the GBK codec.
//
//   trailcfg_fuzz_seeds DIR   writes DIR/cfg_reader, DIR/menu_reader, DIR/gbk_codec,
//                             DIR/cli_export
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "camera/menu_file.h"
#include "common/diag.h"
#include "common/gbk_codec.h"
#include "common/scramble.h"
#include "common/text_copy.h"
#include "send/cfg_file.h"

using namespace trailcfg;
namespace fs = std::filesystem;

namespace {

bool g_ok = true;

void Check(bool ok, const fs::path& file) {
    if (!ok) {
        std::fprintf(stderr, "trailcfg_fuzz_seeds: cannot write %s\n", file.c_str());
        g_ok = false;
    }
}

void WriteRaw(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Check(static_cast<bool>(out), file);
}

std::vector<std::uint8_t> ReadRaw(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Cfg(const fs::path& dir, const char* name, const SendSettings& s) {
    fs::path file = dir / name;
    Check(WriteCfgFile(file, name, s), file);
}

void Menu(const fs::path& dir, const char* name, CameraMenu m) {
    fs::path file = dir / name;
    Check(WriteMenuFileAt(file, name, m), file);
}

void CfgSeeds(const fs::path& dir) {
    SendSettings d;
    MakeSendDefaults(d);
    Cfg(dir, "default.bin", d);

    SendSettings s = d;
    s.bySendBy = kSendByMms;
    s.byOperatorCountry = 5;
    s.byOperator = 2;
    CopyText(s.sMmsSet.szMmsUrl, "http://mms.example.net/mms/wapenc");
    CopyText(s.sMmsSet.szMmsApn, "mms.example");
    CopyText(s.sMmsSet.szMmsGateway, "10.0.0.172");
    CopyText(s.sMmsSet.szMmsPort, "80");
    CopyText(s.szRecp[0], "+8613800000000");
    s.uwRecpLen[0] = 14;
    s.byRemoteInterval = 0;
    s.byRemoteSwitch = 1;
    CopyText(s.szRemotePhoneNum, "13900000000");
    s.sTime = {25, 6, 15, 10, 20, 30, 0};
    s.byDailySendTime = 24;
    CopyText(s.szFileFullName[0], kSendFileFullName);
    Cfg(dir, "mms.bin", s);

    s = d;
    s.bySendBy = kSendByEmail;
    CopyText(s.sSmtpSet.sz3GSmtpApN, "internet");
    CopyText(s.sSmtpSet.szServer, "smtp.example.com");
    s.sSmtpSet.iPort = 465;
    CopyText(s.sSmtpSet.szAddr, "camera@example.com");
    CopyText(s.sSmtpSet.szUserName, "camera");
    CopyText(s.sSmtpSet.szPassword, "secret");
    CopyText(s.szRecp[2], "owner@example.com");
    s.uwRecpLen[2] = 17;
    CopyText(s.szRemoteEmail, "owner@example.com");
    s.byRemoteInterval = 12;
    s.uwMaxSendImgNum = 9999;
    Cfg(dir, "email.bin", s);

    s = d;
    s.bySendBy = kSendByFtp;
    CopyText(s.sFtpSet.szServer, "ftp.example.com");
    CopyText(s.sFtpSet.szUserName, "hunter");
    CopyText(s.sFtpSet.szPassword, "pw");
    CopyText(s.sFtpSet.szFtpDir, "/cam/north");
    s.sFtpSet.iFtpDirType = 1;
    s.sFtpSet.iPort = 2121;
    s.sLongitude = {1, 179, 59, 58};
    s.sLatitude = {0, 45, 3, 7};
    Cfg(dir, "ftp.bin", s);

    s = d;
    CopyText(s.sMmsSet.szMmsAccount, Utf8ToGbk("中国移动 账户"));
    CopyText(s.szRecp[2], Utf8ToGbk("猎人@例子.中国"));
    CopyText(s.sFtpSet.szFtpDir, Utf8ToGbk("/相机/北坡"));
    Cfg(dir, "gbk-texts.bin", s);

    // Values only another program or a camera writes; the reader normalises them.
    s = d;
    s.bySendBy = kSendByCloud;
    CopyText(s.sCloudSet.szRegMail, "me@cloud.example");
    CopyText(s.sCloudSet.szSimPhoneNum, "13700000000");
    s.bySendMode = 1;
    s.byRemoteInterval = 30;
    s.bySendFileNum = 2;
    CopyText(s.szFileFullName[1], "DCIM\\100IMA3G\\IMAG0002.JPG");
    s.uwDebugPort = 8080;
    CopyText(s.szDebugUrl, "debug.example.com");
    s.byDebugFlag = 1;
    Cfg(dir, "stored-values.bin", s);

    s = d;
    s.bySendFileNum = 5;
    s.bySendBy = kSendByFtp;
    Cfg(dir, "five-files.bin", s);

    // Every text field full to its last byte, no terminator anywhere.
    std::memset(&s, 'Z', sizeof s);
    s.StructFlag = kSendStructFlag;
    s.bySendBy = kSendByFtp;
    Cfg(dir, "unterminated.bin", s);

    // Not written by this program: bit 7 of the first byte clear.
    std::vector<std::uint8_t> image = ReadRaw(dir / "default.bin");
    UnscrambleBytes(image.data(), image.size());
    image[0] &= 0x7F;
    std::vector<std::uint8_t> other = image;
    ScrambleBytes(other.data(), other.size());
    WriteRaw(dir / "no-app-flag.bin", other);

    // Refused: a foreign marker, and sizes around the record's.
    image[12] = 0x06;
    ScrambleBytes(image.data(), image.size());
    WriteRaw(dir / "wrong-marker.bin", image);
    std::vector<std::uint8_t> def = ReadRaw(dir / "default.bin");
    WriteRaw(dir / "short-1319.bin", std::vector<std::uint8_t>(def.begin(), def.end() - 1));
    def.push_back(0);
    WriteRaw(dir / "long-1321.bin", def);
}

void MenuSeeds(const fs::path& dir) {
    CameraMenu d;
    MakeMenuDefaults(d);
    Menu(dir, "default.dat", d);

    CameraMenu m = d;
    m.CapMode = 2;
    m.ClockMode = 1;
    SetClock(m, 2025, 6, 15, 10, 20, 30);
    m.Timer1Mode = 1;
    m.Timer1StartHour = 18;
    m.Timer1EndHour = 6;
    m.Timer2Mode = 1;
    m.Timer2StartMin = 30;
    m.SerialMode = 1;
    m.Serial[0] = 35;
    m.Serial[1] = 10;
    m.Serial[2] = 1;
    m.Serial[3] = 9;
    m.TimeLapseMode = 0;
    m.TimeLapseMin = 5;
    m.Language = 1;
    m.Interval = 119;
    m.VideoLength = 59;
    Menu(dir, "clock-timers.dat", m);

    // Values outside every list, and a foreign flag: read as they are.
    std::memset(&m, 0xFF, sizeof m);
    std::vector<std::uint8_t> image(kCameraMenuSize);
    std::memcpy(image.data(), &m, kCameraMenuSize);
    ScrambleBytes(image.data(), image.size());
    WriteRaw(dir / "all-ff.dat", image);

    m = d;
    m.Flag = 0;
    std::memcpy(image.data(), &m, kCameraMenuSize);
    ScrambleBytes(image.data(), image.size());
    WriteRaw(dir / "flag-0.dat", image);

    std::vector<std::uint8_t> def = ReadRaw(dir / "default.dat");
    WriteRaw(dir / "short-43.dat", std::vector<std::uint8_t>(def.begin(), def.end() - 1));
    def.push_back(0);
    WriteRaw(dir / "long-45.dat", def);
}

void GbkSeeds(const fs::path& dir) {
    struct Seed {
        const char* name;
        std::string bytes;
    };
    const Seed seeds[] = {
        {"ascii.txt", "smtp.example.com:465 /cam"},
        {"gbk-chinese.txt", Utf8ToGbk("中国移动 彩信 猎人相机")},
        {"gbk-fullwidth.txt", Utf8ToGbk("１２。，（）")},
        {"utf8-chinese.txt", "中国联通 3G 设置"},
        {"utf8-outside-gbk.txt", "emoji \xF0\x9F\x98\x80 and \xE2\x82\xAC"},
        {"gbk-lead-at-end.txt", std::string("abc\xB0", 4)},
        {"invalid-bytes.txt", std::string("\x80\xFF\xFE\x30\xED\xA0\x80\xC0\xAF", 9)},
    };
    for (const Seed& s : seeds) WriteRaw(dir / s.name, std::vector<std::uint8_t>(s.bytes.begin(), s.bytes.end()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trailcfg_fuzz_seeds DIR\n");
        return 2;
    }
    SetDiagSink(DiscardDiag, nullptr);
    const fs::path root = argv[1];
    for (const char* sub : {"cfg_reader", "menu_reader", "gbk_codec", "cli_export"}) fs::create_directories(root / sub);
    CfgSeeds(root / "cfg_reader");
    MenuSeeds(root / "menu_reader");
    GbkSeeds(root / "gbk_codec");
    // The export reads both files: a few of each kind.
    for (const char* name : {"default.bin", "gbk-texts.bin", "unterminated.bin", "stored-values.bin"})
        fs::copy_file(root / "cfg_reader" / name, root / "cli_export" / name, fs::copy_options::overwrite_existing);
    for (const char* name : {"default.dat", "all-ff.dat", "short-43.dat"})
        fs::copy_file(root / "menu_reader" / name, root / "cli_export" / name, fs::copy_options::overwrite_existing);
    return g_ok ? 0 : 1;
}
