#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace norvane {

// Keeps the program to one running instance per user, program file and
// desktop. A second start on the same desktop hands its files to the running
// instance and ends; another desktop of the same user has its own instance.
class OneInstance : public QObject {
    Q_OBJECT

public:
    explicit OneInstance(const QString &name, QObject *parent = nullptr);
    ~OneInstance() override;

    // The name for this program file on this desktop: a socket in the user's
    // runtime folder, named after the program file, the user and the desktop.
    // Empty when the user has no runtime folder that only they can reach; the
    // program then runs on its own.
    [[nodiscard]] static QString nameForThisProgram();
    // The same from its parts; folder empty for a name without a folder.
    [[nodiscard]] static QString serverName(const QString &folder, const QString &program, const QString &user,
                                            const QString &desktop);
    // The desktop this process shows on: the X display without its screen
    // number, else the Wayland display, else the login session.
    [[nodiscard]] static QString desktopName();

    // Sends the files to a running instance; true when one took them.
    [[nodiscard]] bool handOver(const QStringList &files, int timeoutMs = 3000) const;
    // Starts answering later starts; false when that is not possible.
    bool listen();

signals:
    // A later start asked to come to the front and open these files.
    void activationRequested(const QStringList &files);

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace norvane
