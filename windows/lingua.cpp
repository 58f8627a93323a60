// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zefiranda {

bool caricaTraduzioniQt()
{
    auto* traduzioni = new QTranslator(QCoreApplication::instance());
    if (!traduzioni->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduzioni;
        return false;
    }
    return QCoreApplication::installTranslator(traduzioni);
}

}  // namespace zefiranda
