// SPDX-License-Identifier: MIT
#include "memory/file_moves.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace {

FileFault AccessFault(const std::string& what, const std::filesystem::path& path,
                      const std::error_code& ec = {}) {
    std::string text = "Path/File access error: " + what + " " + path.filename().string();
    if (ec) text += " (" + ec.message() + ")";
    return {kFaultAccess, text};
}

}  // namespace

FileBytes ReadWholeFile(const std::filesystem::path& path) {
    FileBytes result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return result;
    result.exists = true;
    if (!std::filesystem::is_regular_file(status)) {
        result.fault = AccessFault("cannot read", path);
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.fault = AccessFault("cannot open", path);
        return result;
    }
    result.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) result.fault = AccessFault("cannot read", path);
    return result;
}

std::optional<FileFault> ReplaceFile(const std::filesystem::path& path,
                                     std::span<const unsigned char> bytes) {
    auto temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return AccessFault("cannot create", temp);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();  // a full disk shows itself only when the buffer goes out
        if (out.fail()) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return AccessFault("cannot write", temp);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return AccessFault("cannot replace", path, ec);
    }
    return std::nullopt;
}

std::optional<FileFault> SetAsideDamaged(const std::filesystem::path& path) {
    auto bad = path;
    bad += ".bad";
    std::error_code ec;
    std::filesystem::rename(path, bad, ec);
    if (ec) return AccessFault("cannot set aside", path, ec);
    return std::nullopt;
}
