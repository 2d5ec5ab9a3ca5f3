#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace norvane {

// Keeps the program to one running instance per user and program file name.
// A second start hands its files to the running instance and ends.
class OneInstance : public QObject {
    Q_OBJECT

public:
    explicit OneInstance(const QString &name, QObject *parent = nullptr);
    ~OneInstance() override;

    // The name for this program file: its file name without the folder, and the user.
    [[nodiscard]] static QString nameForThisProgram();

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
