#include "app/OneInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace norvane {

namespace {

// Letters, digits, ".", "_" and "-" only: the parts make one file name.
QString fileNamePart(QString text)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    text.replace(unsafe, QStringLiteral("_"));
    return text.isEmpty() ? QStringLiteral("_") : text;
}

QString userName()
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
#ifdef Q_OS_UNIX
    if (user.isEmpty())
        user = QString::number(::getuid());
#endif
    return user;
}

// Whether a running instance answers at the name.
bool answers(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    const bool connected = socket.waitForConnected(500);
    socket.abort();
    return connected;
}

} // namespace

OneInstance::OneInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

OneInstance::~OneInstance() = default;

QString OneInstance::serverName(const QString &folder, const QString &program, const QString &user,
                                const QString &desktop)
{
    const QString name = fileNamePart(program) + QLatin1Char('-') + fileNamePart(user) + QLatin1Char('-') +
                         fileNamePart(desktop);
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

QString OneInstance::desktopName()
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (!display.isEmpty()) {
        // ":0.1" is screen 1 of display ":0": one desktop with ":0".
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = display.indexOf(QLatin1Char('.'), colon + 1);
        if (colon >= 0 && dot > colon)
            display.truncate(dot);
        return QStringLiteral("x") + display;
    }
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return wayland;
    const QString session = qEnvironmentVariable("XDG_SESSION_ID", qEnvironmentVariable("SESSIONNAME"));
    return session.isEmpty() ? QStringLiteral("console") : QStringLiteral("session") + session;
}

QString OneInstance::nameForThisProgram()
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
#ifdef Q_OS_UNIX
    // XDG_RUNTIME_DIR when it is the user's own with mode 0700, else a 0700
    // folder of the user's under the temporary folder; nothing when neither
    // is safe (Qt checks the owner and the mode).
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    return serverName(folder, program, userName(), desktopName());
#else
    // A pipe name: no folder.
    return serverName(QString(), program, userName(), desktopName());
#endif
}

// The message is the file paths, one per line, in UTF-8; an empty message only
// asks the running instance to come to the front.
bool OneInstance::handOver(const QStringList &files, int timeoutMs) const
{
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message = files.join(QLatin1Char('\n')).toUtf8();
    message.append('\n');
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool OneInstance::listen()
{
    if (m_name.isEmpty())
        return false;
    m_server = new QLocalServer(this);
#ifndef Q_OS_UNIX
    // Elsewhere the name is a pipe that other users could reach.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
#endif
    // On Unix the socket lives in a folder only the user can reach, and a name
    // in use is refused rather than taken over.
    if (!m_server->listen(m_name)) {
        // An instance that started at the same moment holds the name.
        if (answers(m_name))
            return false;
        // A socket file left behind by a crashed instance blocks the name.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] { buffer->append(socket->readAll()); });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                socket->deleteLater();
                // A start that only looked whether an instance runs says nothing.
                if (buffer->isEmpty())
                    return;
                emit activationRequested(QString::fromUtf8(*buffer).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
            });
        }
    });
    return true;
}

} // namespace norvane
