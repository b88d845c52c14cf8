// SPDX-License-Identifier: MIT
#include "persist/program_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <fstream>
#include <system_error>

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    // Trying is the only reliable test: permission bits say nothing about read-only mounts.
    const auto probe = folder / ".numora-write-probe";
    bool writable = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        writable = static_cast<bool>(out);
    }
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return writable;
}

std::filesystem::path ChooseProgramFolder(const std::optional<std::string>& dirOption,
                                          const std::filesystem::path& programFolder) {
    std::error_code ec;
    if (dirOption) {
        const std::filesystem::path dir = std::filesystem::absolute(*dirOption, ec);
        std::filesystem::create_directories(dir, ec);
        return dir;
    }
    if (IsWritableFolder(programFolder)) return programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Numora";
    QDir().mkpath(data);
    return std::filesystem::path(data.toStdString());
}
