#include "server_files.h"

#include "engine/text_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

// Unix socket paths must fit in 107 bytes; a deep program home gets a short one in /tmp.
QString SocketPath(const QString& mysqlFolder) {
    const QString preferred = mysqlFolder + "/mysql.sock";
    if (preferred.toUtf8().size() < 100) return preferred;
    const QByteArray hash =
        QCryptographicHash::hash(mysqlFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() + "/talvane-" + QString::fromLatin1(hash) + ".sock";
}

QString Quoted(const QString& text) {
    QString quoted = text;
    quoted.replace('\'', "'\\''");
    return '\'' + quoted + '\'';
}

// Shared by the five service scripts: find the files, start, stop and fill the server.
QStringList CommonScript(const ServerPaths& p, const QString& brain, int port) {
    return {
        "# Shared by the service scripts of the private brain server.",
        "CNF=" + Quoted(p.bin + "/my.cnf"),
        "DATA=" + Quoted(p.data),
        "TMPDIR_DB=" + Quoted(p.tmp),
        "PIDFILE=" + Quoted(p.pidFile),
        "SOCKET=" + Quoted(p.socket),
        "LOG=" + Quoted(p.log),
        "BRAIN=" + Quoted(brain),
        "PORT=" + QString::number(port),
        "ME=$(id -un)",
        "",
        "fail() { printf 'MySQLTX service: %s\\n' \"$*\" >&2; exit 1; }",
        "client() { mariadb --defaults-file=\"$CNF\" --protocol=socket -u \"$ME\" \"$@\"; }",
        "answers() { mariadb-admin --defaults-file=\"$CNF\" --protocol=socket -u \"$ME\" "
        "--connect-timeout=2 ping >/dev/null 2>&1; }",
        "running() { [ -f \"$PIDFILE\" ] && kill -0 \"$(cat \"$PIDFILE\")\" 2>/dev/null; }",
        "port_taken() { (exec 3<>\"/dev/tcp/127.0.0.1/$PORT\") 2>/dev/null; }",
        "",
        "initialise() {",
        "    [ -d \"$DATA/mysql\" ] && return 0",
        "    command -v mariadb-install-db >/dev/null || fail \"mariadb-install-db is not "
        "installed (Debian package mariadb-server-core).\"",
        "    made=$(mkdir -p \"$DATA\" \"$TMPDIR_DB\" 2>&1) || fail \"cannot create $DATA: "
        "$made\"",
        "    user_opt=; [ \"$(id -u)\" = 0 ] && user_opt=--user=root",
        "    # mariadb-install-db splits paths at blanks: it gets the folders through a link whose "
        "path has none.",
        "    link=$(mktemp -d /tmp/talvane-install.XXXXXX) || fail \"cannot create a temporary "
        "folder in /tmp.\"",
        "    ln -s \"$(dirname \"$DATA\")\" \"$link/m\"",
        "    # Its own temporary folder: two installs sharing /tmp can remove each other's "
        "temporary tables.",
        "    mariadb-install-db --no-defaults --datadir=\"$link/m/Data\" "
        "--tmpdir=\"$link/m/Tmp\" $user_opt --auth-root-authentication-method=socket "
        "--auth-root-socket-user=\"$ME\" --skip-test-db >\"$LOG\" 2>&1",
        "    status=$?",
        "    rm -rf \"$link\"",
        "    if [ \"$status\" != 0 ]; then",
        "        reason=$(grep -m 3 -E \"ERROR|[Ee]rror:|Can't|Cannot|Fatal\" \"$LOG\" || "
        "tail -n 3 \"$LOG\")",
        "        rm -rf \"$DATA\"",
        "        fail \"cannot initialise the data folder $DATA: $(printf '%s' \"$reason\" | tr "
        "'\\n' ' ')\"",
        "    fi",
        "}",
        "",
        "start_server() {",
        "    if running && answers; then return 0; fi",
        "    command -v mariadbd >/dev/null || fail \"the server program mariadbd is not "
        "installed (Debian package mariadb-server-core).\"",
        "    if running; then fail \"a server process ($(cat \"$PIDFILE\")) holds $DATA but does "
        "not answer; stop it first.\"; fi",
        "    # A crash leaves its pid file and socket behind; they name no live server.",
        "    rm -f \"$PIDFILE\" \"$SOCKET\"",
        "    if port_taken; then fail \"port $PORT on 127.0.0.1 is already used by another "
        "program. Stop that program, or give this home another port (the port key of "
        "Main/Database.ini).\"; fi",
        "    mkdir -p \"$TMPDIR_DB\"",
        "    user_opt=; [ \"$(id -u)\" = 0 ] && user_opt=--user=root",
        "    setsid mariadbd --defaults-file=\"$CNF\" $user_opt >>\"$LOG\" 2>&1 </dev/null &",
        "    server=$!",
        "    for _ in $(seq 300); do",
        "        answers && return 0",
        "        kill -0 \"$server\" 2>/dev/null || { tail -n 5 \"$LOG\" >&2; fail \"the server "
        "stopped while starting; see $LOG.\"; }",
        "        sleep 0.1",
        "    done",
        "    fail \"the server did not answer within 30 seconds; see $LOG.\"",
        "}",
        "",
        "stop_server() {",
        "    running || { rm -f \"$PIDFILE\"; return 0; }",
        "    pid=$(cat \"$PIDFILE\")",
        "    kill \"$pid\" 2>/dev/null",
        "    for _ in $(seq 600); do kill -0 \"$pid\" 2>/dev/null || return 0; sleep 0.1; done",
        "    fail \"the server ($pid) did not stop within 60 seconds.\"",
        "}",
        "",
        "# The brain's user gets its password from the program, which keeps it in "
        "Main/Database.ini.",
        "create_brain() {",
        "    client -e \"CREATE DATABASE IF NOT EXISTS qivo CHARACTER SET utf8mb4\" || fail "
        "\"cannot create the database qivo.\"",
        "    tables=$(client -N -e \"SELECT COUNT(*) FROM information_schema.tables WHERE "
        "table_schema='qivo'\") || fail \"cannot read the database qivo.\"",
        "    [ \"$tables\" = 0 ] || return 0",
        "    # A brain loaded halfway is dropped again, so the next start loads it whole.",
        "    if ! { cat \"$BRAIN/schema.sql\"; for f in \"$BRAIN\"/*.sql; do "
        "[ \"$f\" = \"$BRAIN/schema.sql\" ] || cat \"$f\"; done; } | client qivo; then",
        "        client -e \"DROP DATABASE qivo\"",
        "        fail \"cannot load the brain from $BRAIN.\"",
        "    fi",
        "}",
    };
}

QStringList Script(const QStringList& body) {
    return QStringList{"#!/bin/bash", "# Generated by the program; rewritten on its first run.",
                       ". \"$(dirname \"$0\")/service_common.sh\""} +
           body;
}

void WriteScript(const QString& path, const QStringList& lines) {
    WriteTextLines(path, lines);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
}

}  // namespace

ServerPaths ServerPathsOf(const QString& home) {
    const QString mysql = home + "/MySQL";
    return ServerPaths{.base = "/usr",
                       .data = mysql + "/Data",
                       .socket = SocketPath(mysql),
                       .tmp = mysql + "/Tmp",
                       .pidFile = mysql + "/mysqld.pid",
                       .bin = mysql + "/Bin",
                       .log = mysql + "/server.log"};
}

QStringList MyCnfLines(const ServerPaths& p, int port) {
    const QString portLine = "port = " + QString::number(port);
    return {
        "[client]",
        portLine,
        "socket = " + p.socket,
        "",
        "[mysqld]",
        portLine,
        "bind-address=127.0.0.1",
        "socket = " + p.socket,
        "basedir = " + p.base,
        "datadir = " + p.data,
        "tmpdir = " + p.tmp,
        "pid-file = " + p.pidFile,
        "key_buffer_size = 384M",
        "max_allowed_packet = 16M",
        "table_open_cache = 512",
        "sort_buffer_size = 2M",
        "read_buffer_size = 2M",
        "read_rnd_buffer_size = 8M",
        "myisam_sort_buffer_size = 64M",
        "thread_cache_size = 8",
        "query_cache_size = 32M",
        "skip-innodb",
        "default-storage-engine = Aria",
        "character-set-server = utf8mb4",
        "server-id = 2",
        "",
        "[mysqldump]",
        "quick",
        "max_allowed_packet = 16M",
        "",
        "[mysql]",
        "no-auto-rehash",
        "",
        "[isamchk]",
        "key_buffer = 256M",
        "sort_buffer_size = 256M",
        "read_buffer = 2M",
        "write_buffer = 2M",
        "",
        "[myisamchk]",
        "key_buffer = 256M",
        "sort_buffer_size = 256M",
        "read_buffer = 2M",
        "write_buffer = 2M",
        "",
        "[mysqlhotcopy]",
        "interactive-timeout",
    };
}

void WriteServerFiles(const QString& home, const QString& shippedBrain, int port) {
    const ServerPaths p = ServerPathsOf(home);
    QDir().mkpath(p.bin);
    WriteTextLines(p.bin + "/my.cnf", MyCnfLines(p, port));
    WriteTextLines(p.bin + "/service_common.sh", CommonScript(p, shippedBrain, port));
    const QStringList uninstall = {"echo 'Uninstalling MySQLTX service! Please wait..'",
                                   "stop_server"};
    const QStringList pause = {"if [ -t 0 ]; then read -r -p 'Press Enter to continue..' _; fi"};
    WriteScript(p.bin + "/install_qivo.sh", Script({"initialise", "start_server", "create_brain"}));
    WriteScript(p.bin + "/install.sh",
                Script(QStringList{"echo 'Installing MySQLTX service! Please wait..'",
                                   "( initialise && start_server && create_brain ) || "
                                   "{ echo 'MySQLTX service could not be started!'; "
                                   "echo 'Try to uninstall MySQLTX service first!'; }"} +
                       pause));
    WriteScript(p.bin + "/reinstall.sh",
                Script(QStringList{"echo 'Reinstalling MySQLTX service! Please wait..'",
                                   "( stop_server && initialise && start_server && "
                                   "create_brain ) || { echo 'MySQLTX service could not be "
                                   "started!'; echo 'Try to uninstall MySQLTX service first!'; }"} +
                       pause));
    WriteScript(p.bin + "/uninstall.sh", Script(uninstall + pause));
    WriteScript(p.bin + "/uninstallshield.sh", Script(uninstall));
}

int ServerFilePort(const QString& home) {
    QStringList lines;
    try {
        lines = ReadTextLines(ServerPathsOf(home).bin + "/my.cnf");
    } catch (const TextFileError&) {
        return 0;
    }
    bool inServer = false;
    for (const QString& line : std::as_const(lines)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith('[')) inServer = trimmed == "[mysqld]";
        const qsizetype equals = trimmed.indexOf('=');
        if (!inServer || equals < 0 || trimmed.left(equals).trimmed() != "port") continue;
        const int port = trimmed.mid(equals + 1).trimmed().toInt();
        if (port > 0 && port <= 65535) return port;
    }
    return 0;
}
