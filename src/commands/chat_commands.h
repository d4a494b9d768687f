#pragma once

#include "reply_groups.h"

class Engine;

// The !commands of IRC users. Keeps, between inputs, who had a long reply lately.
class ChatCommands {
  public:
    // The stage: recognises the commands in their fixed order and carries out the first that
    // applies and that the user may use; sets CommandDone when it was done. Input from the local
    // console is no command.
    void DispatchChatCommand(Engine& engine);

  private:
    ReplyPacer pacer_;
};
