// geomview: the host on a desktop. The same host, platform library and plug-ins as geomhost, with the page,
// the menus, the toolbars and the plug-ins' windows on the screen, worked with the mouse and the keyboard.
//   geomview [--plugins DIR] [--lang XXX] [FILE.pdf]
// What the host and the plug-ins print goes to standard output, as with geomhost.
#include <QApplication>

#include <filesystem>
#include <iostream>

#include "desktop/GeomMainWindow.h"
#include "host/core/Host.h"

namespace {

std::string ProgramFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("geomview");
    QApplication::setOrganizationName("geomview");
    HostConfig config;
    std::string plugins = ProgramFolder();
    QString file;
    const QStringList arguments = QApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--plugins" && i + 1 < arguments.size()) {
            plugins = arguments[++i].toStdString();
        } else if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            config.language = arguments[++i].toStdString();
        } else if (arguments[i].startsWith("--")) {
            std::cerr << "usage: geomview [--plugins DIR] [--lang XXX] [FILE.pdf]\n";
            return 2;
        } else {
            file = arguments[i];
        }
    }
    Host host(config, std::cout);
    host.LoadPlugins(plugins);
    host.FinishStartup();
    int status = 0;
    {
        GeomMainWindow window(host);
        window.show();
        if (!file.isEmpty()) window.OpenFile(file);
        status = QApplication::exec();
    }
    host.Quit();
    return status;
}
