// SPDX-License-Identifier: MIT
#include "shell/shell_setup.h"

#include <clocale>

#include <QApplication>

#include "shell/numora_pictures.h"
#include "widgets/panel_colours.h"

void PrepareApplication(QApplication& app) {
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setOrganizationName(kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION_TEXT));
    QApplication::setDesktopFileName("numora");
    app.setWindowIcon(NumoraIcon());
    FollowDesktopPalette(app);
}
