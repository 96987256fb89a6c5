#include "SystemShell.h"

#include <QFile>

#ifdef Q_OS_WIN

#include <QDir>
#include <qt_windows.h>
#include <shellapi.h>
#include <shlwapi.h>

std::optional<QString> SystemShell::findOpeningProgram(const QString& file) {
    wchar_t program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(file).utf16()), L"", program));
    if (result <= 32)
        return std::nullopt;
    return QString::fromWCharArray(program);
}

std::optional<QString> SystemShell::findUrlProgram(const QString& scheme) {
    wchar_t program[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_EXECUTABLE,
                          reinterpret_cast<const wchar_t*>(scheme.utf16()), nullptr, program,
                          &size) != S_OK)
        return std::nullopt;
    return QString::fromWCharArray(program);
}

bool SystemShell::startProgram(const QString& program, const QString& parameter) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(program.utf16()),
                      reinterpret_cast<const wchar_t*>(parameter.utf16()), L"", SW_SHOWNORMAL));
    return result > 32;
}

#else

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <memory>

namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfo = std::unique_ptr<GAppInfo, Unref>;

// The desktop entry's id of a program the desktop's own library named, such as
// "browser.desktop"; nothing when there is none.
std::optional<QString> idOf(GAppInfo* found) {
    const AppInfo app(found);
    const char* id = app ? g_app_info_get_id(app.get()) : nullptr;
    if (!id)
        return std::nullopt;
    return QString::fromUtf8(id);
}

} // namespace

std::optional<QString> SystemShell::findOpeningProgram(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    std::unique_ptr<gchar, decltype(&g_free)> type(
        g_content_type_guess(name.constData(), nullptr, 0, nullptr), &g_free);
    return type ? idOf(g_app_info_get_default_for_type(type.get(), FALSE)) : std::nullopt;
}

std::optional<QString> SystemShell::findUrlProgram(const QString& scheme) {
    return idOf(g_app_info_get_default_for_uri_scheme(scheme.toUtf8().constData()));
}

bool SystemShell::startProgram(const QString& program, const QString& parameter) {
    // Started as its desktop entry says, with the desktop's rules for the Exec line; the library
    // does not wait for the program.
    const AppInfo app(G_APP_INFO(g_desktop_app_info_new(program.toUtf8().constData())));
    if (!app)
        return false;
    const QByteArray uri = parameter.toUtf8();
    GList uris{const_cast<char*>(uri.constData()), nullptr, nullptr};
    GError* error = nullptr;
    const bool started = g_app_info_launch_uris(app.get(), &uris, nullptr, &error);
    if (error)
        g_error_free(error);
    return started;
}

#endif
