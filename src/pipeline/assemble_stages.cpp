#include "assemble_stages.h"

#include "answer/adm_expand.h"
#include "answer/answer_lookup.h"
#include "answer/public_gate.h"
#include "engine/stages.h"
#include "irc/privileges.h"
#include "teach/key_events.h"
#include "teach/response_teaching.h"

void AssembleStages(Stages& stages) {
    stages.ResolvePrivilege = ResolvePrivilege;
    stages.CheckKeyEvents = CheckKeyEvents;
    stages.TeachResponse = TeachResponse;
    stages.ExpandAdmQuestion = ExpandAdmQuestion;
    stages.LookupAnswer = LookupAnswer;
    stages.PublicAnswerGate = PublicAnswerGate;
}
