#include "irc/irc_config.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

class IrcConfigFile : public ::testing::Test {
  protected:
    IrcConfig load(const QByteArray& text) {
        QFile file(dir.filePath("Irc.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return LoadIrcConfig(file.fileName());
    }
    QTemporaryDir dir;
};

TEST_F(IrcConfigFile, MissingFileGivesTheDefaults) {
    const IrcConfig config = LoadIrcConfig(dir.filePath("Irc.ini"));
    EXPECT_FALSE(config.tls);
    EXPECT_TRUE(config.tlsVerify);
    EXPECT_EQ(config.caFile, "");
    EXPECT_EQ(config.serverPassword, "");
    EXPECT_EQ(config.sasl, IrcConfig::Sasl::Auto);
    EXPECT_EQ(config.ownerAccount, "");
    EXPECT_EQ(config.reconnectSeconds, 180);
    EXPECT_EQ(config.ownerAccountOr("Owner"), "Owner");
}

TEST_F(IrcConfigFile, EveryKeyIsRead) {
    const IrcConfig config = load(
        "; comment\r\n"
        "# another\r\n"
        "[other]\r\n"
        "tls=true\r\n"
        "[IRC]\r\n"
        "  tls = yes  \r\n"
        "tls_verify=off\r\n"
        "ca_file=/etc/ssl/own ca.pem\r\n"
        "server_password=\"a;b,c=d \"\r\n"
        "sasl=OFF\r\n"
        "owner_account=Boss\r\n"
        "reconnect_seconds=5\r\n"
        "unknown_key=whatever\r\n");
    EXPECT_TRUE(config.tls);
    EXPECT_FALSE(config.tlsVerify);
    EXPECT_EQ(config.caFile, "/etc/ssl/own ca.pem");
    EXPECT_EQ(config.serverPassword, "a;b,c=d ");
    EXPECT_EQ(config.sasl, IrcConfig::Sasl::Off);
    EXPECT_EQ(config.ownerAccountOr("Owner"), "Boss");
    EXPECT_EQ(config.reconnectSeconds, 5);
}

TEST_F(IrcConfigFile, DamagedValuesNameTheirKey) {
    const std::pair<const char*, const char*> cases[] = {
        {"tls=maybe", "tls takes true or false"},
        {"tls_verify=", "tls_verify takes true or false"},
        {"sasl=plain", "sasl takes auto or off"},
        {"reconnect_seconds=0", "reconnect_seconds takes a number of seconds from 1"},
        {"reconnect_seconds=3m", "reconnect_seconds takes a number of seconds from 1"},
    };
    for (const auto& [line, message] : cases) {
        SCOPED_TRACE(line);
        try {
            load(QByteArray("[irc]\n") + line + '\n');
            ADD_FAILURE() << "accepted";
        } catch (const IrcConfigError& error) {
            EXPECT_TRUE(QString(error.what()).contains(message)) << error.what();
        }
    }
}

}  // namespace
