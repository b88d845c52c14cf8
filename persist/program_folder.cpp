// SPDX-License-Identifier: MIT
#include "persist/program_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <system_error>

#include "memory/register_file.h"
#include "stats/data_file.h"

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

std::filesystem::path UserDataFolder() {
    // The application data folder of "Numora" whatever names the running program gave Qt, so
    // that numora and numora-keys share it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Numora";
    return std::filesystem::path(data.toStdString());
}

std::filesystem::path ChooseProgramFolder(const std::optional<std::string>& dirOption,
                                          const std::filesystem::path& programFolder) {
    std::error_code ec;
    if (dirOption) {
        const std::filesystem::path dir = std::filesystem::absolute(*dirOption, ec);
        std::filesystem::create_directories(dir, ec);
        return dir;
    }
    if (std::filesystem::exists(programFolder / kRegisterFileName, ec) &&
        std::filesystem::exists(programFolder / kDataFileName, ec))
        return programFolder;
    const auto folder = UserDataFolder();
    QDir().mkpath(QString::fromStdString(folder.string()));
    return folder;
}
