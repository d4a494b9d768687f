#pragma once

#include "engine/outside.h"

class IrcClient;

// The engine's IRC operations, carried out by the client: every line goes through its one send
// queue.
class IrcLink final : public IrcSender {
  public:
    explicit IrcLink(IrcClient& client) : client_(client) {}

    bool IsConnected() const override;
    QString CurrentNick() const override;
    bool SameName(const QString& a, const QString& b) const override;
    qsizetype QueuedLines() const override;
    void SendRawLine(const QString& line) override;
    void SendPrivmsg(const QString& target, const QString& text) override;
    void SendNotice(const QString& target, const QString& text) override;
    void SendAction(const QString& target, const QString& text) override;
    void JoinChannel(const QString& channel) override;
    void PartChannel(const QString& channel, const QString& reason) override;
    void KickUser(const QString& channel, const QString& nick, const QString& reason) override;
    void SendQuit(const QString& reason) override;
    void ChangeNick(const QString& nick) override;

  private:
    IrcClient& client_;
};
