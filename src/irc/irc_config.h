#pragma once

#include <QString>

#include <stdexcept>

// How the character connects to IRC beyond the server, port, nick and NickServ password of the
// 100-line settings: Main/Irc.ini, section [irc].
struct IrcConfig {
    enum class Sasl { Auto, Off };

    bool tls = false;        // speak TLS to the server
    bool tlsVerify = true;   // check the server's certificate
    QString caFile;          // PEM certificates trusted besides the system's
    QString serverPassword;  // sent as PASS; empty sends no PASS
    Sasl sasl = Sasl::Auto;  // Auto: SASL PLAIN when the server offers it
    QString ownerAccount;    // the owner's services account; empty means the owner's nickname
    int reconnectSeconds = 180;

    // The account that proves the owner: owner_account, or the owner's nickname when it is empty.
    QString ownerAccountOr(const QString& ownersNickname) const {
        return ownerAccount.isEmpty() ? ownersNickname : ownerAccount;
    }
};

class IrcConfigError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads the file; a missing file gives the defaults. Lines are "key=value" (blanks around both
// are dropped, a value may stand in double quotes), ";" or "#" begin a comment line, and only
// the [irc] section counts. Throws IrcConfigError naming the key when a value is not one the key
// takes, or when the file exists but cannot be read.
IrcConfig LoadIrcConfig(const QString& path);
