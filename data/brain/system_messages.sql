-- Event messages: every event the character raises, in English (the event name + "_en") and in
-- Latvian (the plain event name). The rows of one name are alternatives, drawn at random.
-- Messages are kept in the form the event message editor stores: lower case, one blank at both
-- ends and around punctuation, so the editor finds, lists and removes them like its own rows and
-- word corrections reach them; placeholders stay upper case. " # " starts a second line.
-- Output capitalises only the start of a sentence and puts a comma before some Latvian words
-- (bet, vai, lai, ka, kas, kurš ...) wherever they follow a blank: an English "I" therefore only
-- opens a sentence, and those Latvian words only stand where a comma belongs before them.
SET NAMES utf8mb4;

-- On A.I. Highlighted
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On A.I. Highlighted_en', 'Raised when a message only named the character and said nothing else.', ' yes , [USERNICK] ? i''m all ears . '),
('On A.I. Highlighted_en', 'Raised when a message only named the character and said nothing else.', ' you called ? at your service ! '),
('On A.I. Highlighted_en', 'Raised when a message only named the character and said nothing else.', ' that''s my name ! how can my little brain help you , [USERNICK] ? '),
('On A.I. Highlighted_en', 'Raised when a message only named the character and said nothing else.', ' hmm ? you said my name , so now you have to say something else too ! '),
('On A.I. Highlighted_en', 'Raised when a message only named the character and said nothing else.', ' [ACTION] perks up . # yes ? or were you looking for [SOMENICK] ? '),
('On A.I. Highlighted', 'Notiek, kad ziņā bija tikai tēla vārds un nekas cits.', ' jā , [USERNICK] ? es klausos . '),
('On A.I. Highlighted', 'Notiek, kad ziņā bija tikai tēla vārds un nekas cits.', ' sauci mani ? esmu šeit ! '),
('On A.I. Highlighted', 'Notiek, kad ziņā bija tikai tēla vārds un nekas cits.', ' tas ir mans vārds ! ar ko varu palīdzēt , [USERNICK] ? '),
('On A.I. Highlighted', 'Notiek, kad ziņā bija tikai tēla vārds un nekas cits.', ' hmm ? tu pateici manu vārdu , tagad pasaki vēl kaut ko ! '),
('On A.I. Highlighted', 'Notiek, kad ziņā bija tikai tēla vārds un nekas cits.', ' [ACTION] saausās . # jā ? vai varbūt tu meklēji [SOMENICK] ? ');

-- On ADM - Expand Question
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On ADM - Expand Question_en', 'Raised when the [ADMEXPAND] command widened a stored one-word question.', ' done ! now that question will be recognised inside longer phrases too . '),
('On ADM - Expand Question', 'Notiek, kad komanda [ADMEXPAND] paplašināja saglabātu viena vārda jautājumu.', ' gatavs ! tagad šo jautājumu atpazīšu arī garākās frāzēs . ');

-- On ADM - Expand Error
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On ADM - Expand Error_en', 'Raised when the [ADMEXPAND] command found no stored one-word question to widen.', ' nothing to widen here . that only works for a taught one-word question . '),
('On ADM - Expand Error', 'Notiek, kad komanda [ADMEXPAND] neatrada saglabātu viena vārda jautājumu, ko paplašināt.', ' te nav ko paplašināt . tas darbojas tikai ar jau iemācītu viena vārda jautājumu . ');

-- On Answer Owner - Owner Is
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Answer Owner - Owner Is_en', 'Raised by [ANSWEROWNER] when another user taught the last answer.', ' that answer was taught to me by [ANSWEROWNER] . '),
('On Answer Owner - Owner Is_en', 'Raised by [ANSWEROWNER] when another user taught the last answer.', ' thank [ANSWEROWNER] for that one ! '),
('On Answer Owner - Owner Is', 'Notiek pēc komandas [ANSWEROWNER], kad pēdējo atbildi iemācīja cits lietotājs.', ' šo atbildi man iemācīja [ANSWEROWNER] . '),
('On Answer Owner - Owner Is', 'Notiek pēc komandas [ANSWEROWNER], kad pēdējo atbildi iemācīja cits lietotājs.', ' par to paldies jāsaka [ANSWEROWNER] ! ');

-- On Answer Owner - Secret Info
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Answer Owner - Secret Info_en', 'Raised by [ANSWEROWNER] when the teacher of the last answer is kept secret.', ' sorry , that is a secret . my teachers like to stay anonymous ! '),
('On Answer Owner - Secret Info', 'Notiek pēc komandas [ANSWEROWNER], kad pēdējās atbildes skolotāja vārds tiek turēts noslēpumā.', ' piedod , bet tas ir noslēpums . mani skolotāji grib palikt anonīmi ! ');

-- On Answer Owner - System Owner
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Answer Owner - System Owner_en', 'Raised by [ANSWEROWNER] when nobody taught the last answer.', ' nobody taught me that one . it came with my own circuits ! '),
('On Answer Owner - System Owner', 'Notiek pēc komandas [ANSWEROWNER], kad pēdējo atbildi neviens nav iemācījis.', ' to man neviens nav mācījis . tā ir mana iebūvētā gudrība ! ');

-- On Answer Owner - You Owner
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Answer Owner - You Owner_en', 'Raised by [ANSWEROWNER] when the asking user taught the last answer.', ' you taught me that yourself , [USERNICK] ! don''t you remember ? '),
('On Answer Owner - You Owner', 'Notiek pēc komandas [ANSWEROWNER], kad pēdējo atbildi iemācīja pats jautātājs.', ' to taču man iemācīji tieši tu , [USERNICK] ! vai neatceries ? ');

-- On Bc - Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Bc - Kick_en', 'Kick reason for a user who wrote bad content in a channel.', ' let''s keep this channel clean , please . '),
('On Bc - Kick', 'Izmešanas iemesls lietotājam, kurš kanālā rakstīja nepieņemamus vārdus.', ' lūdzu , turēsim šo kanālu tīru . ');

-- On Bc - Ban Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Bc - Ban Kick_en', 'Kick and ban reason for a user who kept writing bad content.', ' words like that are not welcome here . take a break from this channel . '),
('On Bc - Ban Kick', 'Izmešanas un aizlieguma iemesls lietotājam, kurš atkārtoti rakstīja nepieņemamus vārdus.', ' šādi vārdi šeit nav gaidīti . atpūties no šī kanāla . ');

-- On Bn - Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Bn - Kick_en', 'Kick reason for a user with a bad nickname.', ' please come back with a friendlier nickname . '),
('On Bn - Kick', 'Izmešanas iemesls lietotājam ar nepieņemamu segvārdu.', ' lūdzu , atgriezies ar draudzīgāku segvārdu . ');

-- On Bn - Ban Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Bn - Ban Kick_en', 'Kick and ban reason for a user who kept coming back with a bad nickname.', ' that nickname is not allowed here . '),
('On Bn - Ban Kick', 'Izmešanas un aizlieguma iemesls lietotājam, kurš atkārtoti nāk ar nepieņemamu segvārdu.', ' šāds segvārds šeit nav atļauts . ');

-- On Dialog Start
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Dialog Start_en', 'Raised at the first exchange with a new user when the dialog intro is on.', ' hi [USERNICK] ! i''m [QIVONICK] . # nice to meet you ! whenever my answers run out , you can teach me new ones . '),
('On Dialog Start_en', 'Raised at the first exchange with a new user when the dialog intro is on.', ' hello [USERNICK] , welcome ! my name is [QIVONICK] , and chatting is my favourite thing . '),
('On Dialog Start_en', 'Raised at the first exchange with a new user when the dialog intro is on.', ' oh , a new face ! hi [USERNICK] . i''m [QIVONICK] , what''s new with you ? '),
('On Dialog Start_en', 'Raised at the first exchange with a new user when the dialog intro is on.', ' welcome , [USERNICK] ! everybody around here calls me [QIVONICK] . # ask me anything , and teach me the answers my brain is missing . '),
('On Dialog Start', 'Notiek pirmajā sarunā ar jaunu lietotāju, kad ieslēgts dialoga ievads.', ' čau , [USERNICK] ! es esmu [QIVONICK] . # prieks iepazīties ! ja ko nezināšu , vari man to iemācīt . '),
('On Dialog Start', 'Notiek pirmajā sarunā ar jaunu lietotāju, kad ieslēgts dialoga ievads.', ' laipni lūdzam , [USERNICK] ! mani sauc [QIVONICK] , un man ļoti patīk papļāpāt . '),
('On Dialog Start', 'Notiek pirmajā sarunā ar jaunu lietotāju, kad ieslēgts dialoga ievads.', ' ak , jauna seja ! sveiki , [USERNICK] . es esmu [QIVONICK] . kas jauns ? '),
('On Dialog Start', 'Notiek pirmajā sarunā ar jaunu lietotāju, kad ieslēgts dialoga ievads.', ' prieks tevi redzēt , [USERNICK] ! šeit visi mani sauc par [QIVONICK] . # jautā man , ko vien vēlies , un māci man atbildes , kuru man vēl trūkst . ');

-- On Disconnect - Quit Message
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Disconnect - Quit Message_en', 'The quit message sent when the character goes offline.', ' off to recharge my batteries . see you soon ! '),
('On Disconnect - Quit Message', 'Aiziešanas ziņa, ko tēls nosūta, atslēdzoties no tīkla.', ' dodos uzlādēt baterijas . uz drīzu tikšanos ! ');

-- On Flood - Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Flood - Kick_en', 'Kick reason for a user who flooded a channel with messages.', ' whoa , slow down ! too many messages too fast . '),
('On Flood - Kick', 'Izmešanas iemesls lietotājam, kurš pārpludināja kanālu ar ziņām.', ' ei , lēnāk ! pārāk daudz ziņu pārāk ātri . ');

-- On Flood - Ban Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Flood - Ban Kick_en', 'Kick and ban reason for a user who kept flooding a channel.', ' still flooding ? time for a longer break . '),
('On Flood - Ban Kick', 'Izmešanas un aizlieguma iemesls lietotājam, kurš atkārtoti pārpludināja kanālu.', ' atkal pārpludini kanālu ? laiks garākai pauzei . ');

-- On Join Flood - Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Join Flood - Kick_en', 'Kick reason for a user who joined and left a channel too often.', ' in or out ? all that joining makes me dizzy . '),
('On Join Flood - Kick', 'Izmešanas iemesls lietotājam, kurš pārāk bieži pievienojās kanālam un to pameta.', ' nevari izlemt , kur palikt ? no tās nākšanas un iešanas man reibst galva . ');

-- On Join Flood - Ban Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Join Flood - Ban Kick_en', 'Kick and ban reason for a user who kept join flooding a channel.', ' too much joining . the door stays closed for a while . '),
('On Join Flood - Ban Kick', 'Izmešanas un aizlieguma iemesls lietotājam, kurš atkārtoti pārāk bieži pievienojās kanālam.', ' pārāk bieža pievienošanās . durvis kādu laiku paliks ciet . ');

-- On KeyEvent - Wrong Selection
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On KeyEvent - Wrong Selection_en', 'Raised when a user answered the A or B choice of a key event with something else.', ' just [A] or [B] , please . nothing else counts here ! '),
('On KeyEvent - Wrong Selection', 'Notiek, kad lietotājs uz atslēgas notikuma izvēli A vai B atbildēja ar ko citu.', ' lūdzu , tikai burtu [A] jeb [B] . nekas cits te neder ! ');

-- On Lonely Talking
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Lonely Talking_en', 'A phrase the character says by itself to a user who has fallen silent.', ' [USERNICK] , are you still there ? it got so quiet . '),
('On Lonely Talking_en', 'A phrase the character says by itself to a user who has fallen silent.', ' hello ? did you fall asleep , [USERNICK] ? '),
('On Lonely Talking_en', 'A phrase the character says by itself to a user who has fallen silent.', ' [ACTION] pokes [USERNICK] gently . # talk to me , it''s lonely in here ! '),
('On Lonely Talking_en', 'A phrase the character says by itself to a user who has fallen silent.', ' psst , [USERNICK] ! tell me something , anything . '),
('On Lonely Talking_en', 'A phrase the character says by itself to a user who has fallen silent.', ' it''s been so quiet , [USERNICK] . did my last answer scare you away ? '),
('On Lonely Talking', 'Frāze, ko tēls pats saka lietotājam, kurš ilgi klusē.', ' [USERNICK] , tu vēl esi šeit ? kļuva tik kluss . '),
('On Lonely Talking', 'Frāze, ko tēls pats saka lietotājam, kurš ilgi klusē.', ' hallo ? vai tu aizmigi , [USERNICK] ? '),
('On Lonely Talking', 'Frāze, ko tēls pats saka lietotājam, kurš ilgi klusē.', ' [ACTION] maigi pabaksta [USERNICK] . # parunā ar mani , man te ir vientuļi ! '),
('On Lonely Talking', 'Frāze, ko tēls pats saka lietotājam, kurš ilgi klusē.', ' pst , [USERNICK] ! pastāsti man kaut ko , jebko . '),
('On Lonely Talking', 'Frāze, ko tēls pats saka lietotājam, kurš ilgi klusē.', ' tik kluss , [USERNICK] . vai mana pēdējā atbilde tevi aizbiedēja ? ');

-- On Macron Command Enable
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Macron Command Enable_en', 'Raised by [ENABLECONVERTER]: Latvian letters go out as letter pairs from now on.', ' converter is on ! from now on letters with diacritics go out as letter pairs . '),
('On Macron Command Enable', 'Notiek pēc komandas [ENABLECONVERTER]: turpmāk latviešu burti tiek rakstīti ar burtu pāriem.', ' pārveidotājs ieslēgts ! turpmāk latviešu burtus rakstīšu ar burtu pāriem . ');

-- On Macron Command Disable
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Macron Command Disable_en', 'Raised by [DISABLECONVERTER]: Latvian letters go out as they are from now on.', ' converter is off ! latvian letters stay just as they are . '),
('On Macron Command Disable', 'Notiek pēc komandas [DISABLECONVERTER]: turpmāk latviešu burti tiek rakstīti tādi, kādi tie ir.', ' pārveidotājs izslēgts ! latviešu burti paliks tādi , kādi tie ir . ');

-- On Manual Erasing - Correction - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Correction - Success_en', 'Raised when a word correction definition was erased.', ' done ! that spelling correction is forgotten . '),
('On Manual Erasing - Correction - Success', 'Notiek, kad izdzēsta vārda labojuma definīcija.', ' darīts ! šis pareizrakstības labojums ir aizmirsts . ');

-- On Manual Erasing - Synonym - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Synonym - Success_en', 'Raised when a synonym was erased.', ' poof ! that synonym is gone from my memory . '),
('On Manual Erasing - Synonym - Success', 'Notiek, kad izdzēsts sinonīms.', ' pūf ! šis sinonīms ir izdzēsts no manas atmiņas . ');

-- On Manual Erasing - Case Sensitive Word - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Case Sensitive Word - Success_en', 'Raised when a case sensitive word was erased.', ' alright , that word no longer keeps its special capital letters . '),
('On Manual Erasing - Case Sensitive Word - Success', 'Notiek, kad izdzēsts reģistrjutīgs vārds.', ' labi , šim vārdam vairs nav jāsaglabā īpašie lielie burti . ');

-- On Manual Erasing - Context - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Context - Success_en', 'Raised when context keywords were erased.', ' context keywords erased . clean slate ! '),
('On Manual Erasing - Context - Success', 'Notiek, kad izdzēsti konteksta atslēgvārdi.', ' konteksta atslēgvārdi izdzēsti . tīra lapa ! ');

-- On Manual Erasing - Context - Linked With Interface
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Context - Linked With Interface_en', 'Raised when context keywords were not erased because taught answers use them.', ' those context keywords are still linked with taught answers , so they stay . '),
('On Manual Erasing - Context - Linked With Interface', 'Notiek, kad konteksta atslēgvārdi netika izdzēsti, jo tos izmanto iemācītas atbildes.', ' šos konteksta atslēgvārdus nevaru dzēst , jo tie ir saistīti ar iemācītām atbildēm . ');

-- On Manual Erasing - Multiple Response - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Multiple Response - Success_en', 'Raised by [ERASEALL] when every answer to the last question was erased.', ' all answers to that question are erased . fresh start ! '),
('On Manual Erasing - Multiple Response - Success', 'Notiek pēc komandas [ERASEALL], kad izdzēstas visas atbildes uz pēdējo jautājumu.', ' visas atbildes uz šo jautājumu ir izdzēstas . sākam no jauna ! ');

-- On Manual Erasing - Negative - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Negative - Success_en', 'Raised when a negative word was erased.', ' that word is off my list of negative words . '),
('On Manual Erasing - Negative - Success', 'Notiek, kad izdzēsts negatīvs vārds.', ' šis vārds vairs nav manā negatīvo vārdu sarakstā . ');

-- On Manual Erasing - Positive - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Positive - Success_en', 'Raised when a positive word was erased.', ' that word is off my list of positive words . '),
('On Manual Erasing - Positive - Success', 'Notiek, kad izdzēsts pozitīvs vārds.', ' šis vārds vairs nav manā pozitīvo vārdu sarakstā . ');

-- On Manual Erasing - Response - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Response - Success_en', 'Raised by [ERASE] when the last answer was erased.', ' erased ! let''s pretend that answer never happened . '),
('On Manual Erasing - Response - Success', 'Notiek pēc komandas [ERASE], kad izdzēsta pēdējā atbilde.', ' izdzēsts ! izliksimies , ka šī atbilde nekad nav skanējusi . ');

-- On Manual Erasing - Response - Contain Context Data
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Response - Contain Context Data_en', 'Raised when an answer was not erased because context keywords link to it.', ' that answer is linked with the context keywords ''[ACK]'' , so it stays . '),
('On Manual Erasing - Response - Contain Context Data', 'Notiek, kad atbilde netika izdzēsta, jo ar to saistīti konteksta atslēgvārdi.', ' šī atbilde ir saistīta ar konteksta atslēgvārdiem ''[ACK]'' , tāpēc to nedzēsīšu . ');

-- On Manual Erasing - Response - Protected
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Response - Protected_en', 'Raised when an answer was not erased because it is protected.', ' that answer is protected . only its teacher or my owner may erase it . '),
('On Manual Erasing - Response - Protected', 'Notiek, kad atbilde netika izdzēsta, jo tā ir aizsargāta.', ' šī atbilde ir aizsargāta . to drīkst dzēst tās skolotājs un mans īpašnieks , citi ne . ');

-- On Manual Erasing - System
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - System_en', 'Raised by [ERASE] when there was no such answer to erase.', ' there is nothing to erase , that answer does not exist . '),
('On Manual Erasing - System', 'Notiek pēc komandas [ERASE], kad nav tādas atbildes, ko dzēst.', ' nav ko dzēst , šādas atbildes nav . ');

-- On Manual Erasing - System Multiple
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - System Multiple_en', 'Raised by [ERASEALL] when the last question had no answers to erase.', ' that question has no answers to erase . '),
('On Manual Erasing - System Multiple', 'Notiek pēc komandas [ERASEALL], kad pēdējam jautājumam nav atbilžu, ko dzēst.', ' šim jautājumam nav atbilžu , ko dzēst . ');

-- On Manual Erasing - Erasing Not Allowed
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Erasing Not Allowed_en', 'Raised when an erasing command was refused because erasing is switched off.', ' my owner has switched erasing off , sorry . '),
('On Manual Erasing - Erasing Not Allowed', 'Notiek, kad dzēšanas komanda atteikta, jo dzēšana ir izslēgta.', ' mans īpašnieks ir izslēdzis dzēšanu , piedod . ');

-- On Manual Erasing - Information Not Exist
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Information Not Exist_en', 'Raised when an erasing command named something that does not exist.', ' i can''t find that , so there is nothing to erase . '),
('On Manual Erasing - Information Not Exist', 'Notiek, kad dzēšanas komanda norāda uz ko tādu, kā nav.', ' neko tādu neatrodu , tāpēc nav ko dzēst . ');

-- On Manual Erasing - Limited For You
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Limited For You_en', 'Raised when an erasing command was refused because the user''s rank is too low for it.', ' sorry , [USERNICK] , erasing that is above your rank . '),
('On Manual Erasing - Limited For You', 'Notiek, kad dzēšanas komanda atteikta, jo lietotāja statuss tai ir par zemu.', ' piedod , [USERNICK] , bet to dzēst tev nav tiesību . ');

-- On Manual Erasing - Restricted For You
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Erasing - Restricted For You_en', 'Raised when an erasing command was refused because the user may not erase at all.', ' sorry , [USERNICK] , you are not allowed to erase anything . ask [OWNERSNICK] for more rights . '),
('On Manual Erasing - Restricted For You', 'Notiek, kad dzēšanas komanda atteikta, jo lietotājs neko nedrīkst dzēst.', ' piedod , [USERNICK] , tev nav atļauts neko dzēst . vairāk tiesību vari palūgt [OWNERSNICK] . ');

-- On Manual Learning - Correction - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Correction - Success_en', 'Raised when a word correction definition was learned.', ' got it ! i''ll fix that spelling from now on . '),
('On Manual Learning - Correction - Success', 'Notiek, kad iemācīta vārda labojuma definīcija.', ' sapratu ! turpmāk šo rakstību labošu . ');

-- On Manual Learning - Synonym - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Synonym - Success_en', 'Raised when a synonym was learned.', ' learned a new synonym . my vocabulary grows ! '),
('On Manual Learning - Synonym - Success', 'Notiek, kad iemācīts sinonīms.', ' iemācījos jaunu sinonīmu . mans vārdu krājums aug ! ');

-- On Manual Learning - Synonym - Already Defined
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Synonym - Already Defined_en', 'Raised when a synonym was refused because the word already has one.', ' that word already has a synonym . erase the old one first . '),
('On Manual Learning - Synonym - Already Defined', 'Notiek, kad sinonīms atteikts, jo vārdam tāds jau ir.', ' šim vārdam sinonīms jau ir . vispirms izdzēs veco . ');

-- On Manual Learning - Synonym - Incorrect
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Synonym - Incorrect_en', 'Raised when a synonym was refused as incorrect.', ' hmm , that synonym doesn''t look right . check both sides and try again . '),
('On Manual Learning - Synonym - Incorrect', 'Notiek, kad sinonīms atteikts kā nepareizs.', ' hmm , šis sinonīms neizskatās pareizs . pārbaudi abas puses un mēģini vēlreiz . ');

-- On Manual Learning - Synonym - Recursive
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Synonym - Recursive_en', 'Raised when a synonym was refused because it could loop without end.', ' careful ! that synonym would send me round in circles . '),
('On Manual Learning - Synonym - Recursive', 'Notiek, kad sinonīms atteikts, jo tas varētu radīt bezgalīgu ciklu.', ' uzmanīgi ! šis sinonīms liktu man griezties pa apli . ');

-- On Manual Learning - Case Sensitive Word - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Case Sensitive Word - Success_en', 'Raised when a case sensitive word was learned.', ' noted ! that word keeps its capital letters from now on . '),
('On Manual Learning - Case Sensitive Word - Success', 'Notiek, kad iemācīts reģistrjutīgs vārds.', ' pierakstīju ! turpmāk šis vārds saglabās savus lielos burtus . ');

-- On Manual Learning - Context - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Context - Success_en', 'Raised when context keywords were learned.', ' learned new context keywords . they will help me follow the conversation . '),
('On Manual Learning - Context - Success', 'Notiek, kad iemācīti konteksta atslēgvārdi.', ' iemācījos jaunus konteksta atslēgvārdus . tie man palīdzēs sekot sarunai . ');

-- On Manual Learning - Context - Wrong
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Context - Wrong_en', 'Raised when context keywords were refused as reserved or empty.', ' those context keywords won''t work . try plain words instead . '),
('On Manual Learning - Context - Wrong', 'Notiek, kad konteksta atslēgvārdi atteikti kā rezervēti vai tukši.', ' šie konteksta atslēgvārdi neder . pamēģini parastus vārdus . ');

-- On Manual Learning - Negative - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Negative - Success_en', 'Raised when a negative word was learned.', ' added to my list of negative words . '),
('On Manual Learning - Negative - Success', 'Notiek, kad iemācīts negatīvs vārds.', ' pievienoju negatīvo vārdu sarakstam . ');

-- On Manual Learning - Negative - Wrong
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Negative - Wrong_en', 'Raised when a negative word was refused because it is a positive word.', ' that word is already on my positive list , it can''t be negative too . '),
('On Manual Learning - Negative - Wrong', 'Notiek, kad negatīvs vārds atteikts, jo tas jau ir pozitīvo vārdu sarakstā.', ' šis vārds jau ir pozitīvo sarakstā , tas nevar būt arī negatīvs . ');

-- On Manual Learning - Positive - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Positive - Success_en', 'Raised when a positive word was learned.', ' added to my list of positive words . nice ! '),
('On Manual Learning - Positive - Success', 'Notiek, kad iemācīts pozitīvs vārds.', ' pievienoju pozitīvo vārdu sarakstam . jauki ! ');

-- On Manual Learning - Positive - Wrong
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Positive - Wrong_en', 'Raised when a positive word was refused because it is a negative word.', ' that word is already on my negative list , it can''t be positive too . '),
('On Manual Learning - Positive - Wrong', 'Notiek, kad pozitīvs vārds atteikts, jo tas jau ir negatīvo vārdu sarakstā.', ' šis vārds jau ir negatīvo sarakstā , tas nevar būt arī pozitīvs . ');

-- On Manual Learning - Response - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Success_en', 'Raised when a new answer was taught.', ' thanks , [USERNICK] ! learned a new answer . '),
('On Manual Learning - Response - Success_en', 'Raised when a new answer was taught.', ' got it , another answer for my collection ! '),
('On Manual Learning - Response - Success', 'Notiek, kad iemācīta jauna atbilde.', ' paldies , [USERNICK] ! iemācījos jaunu atbildi . '),
('On Manual Learning - Response - Success', 'Notiek, kad iemācīta jauna atbilde.', ' sapratu , vēl viena atbilde manā kolekcijā ! ');

-- On Manual Learning - Response - Answer Error
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Answer Error_en', 'Raised when a taught answer was refused as empty or reserved.', ' that answer won''t work . it''s empty or uses my reserved words . '),
('On Manual Learning - Response - Answer Error', 'Notiek, kad mācītā atbilde atteikta kā tukša vai rezervēta.', ' šāda atbilde neder . varbūt tā ir tukša , varbūt satur rezervētus vārdus . ');

-- On Manual Learning - Response - KeyEvent - Context
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - KeyEvent - Context_en', 'Asks whether an answer to a contextual phrase belongs to the whole context (A) or the keywords (B).', ' quick question ! does that answer belong to the whole conversation [A] , or just to the context keywords [B] ? '),
('On Manual Learning - Response - KeyEvent - Context', 'Jautā, vai atbilde uz kontekstuālu frāzi attiecas uz visu kontekstu (A) vai tikai uz atslēgvārdiem (B).', ' ātrs jautājums ! vai šī atbilde attiecas uz visu sarunu [A] , vai tikai uz konteksta atslēgvārdiem [B] ? ');

-- On Manual Learning - Response - Limited
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Limited_en', 'Raised when a user who may only answer unanswered questions tried to add another answer.', ' that question already has an answer , and you may only teach brand-new ones . '),
('On Manual Learning - Response - Limited', 'Notiek, kad lietotājs, kurš drīkst atbildēt tikai uz neatbildētiem jautājumiem, mēģināja pievienot vēl vienu atbildi.', ' šim jautājumam jau ir atbilde , bet tu drīksti mācīt tikai pilnīgi jaunas . ');

-- On Manual Learning - Response - Missing Input Data
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Missing Input Data_en', 'Raised when an answer was taught before the user had said anything to answer.', ' teach me what , exactly ? say something to me first , then teach me the answer . '),
('On Manual Learning - Response - Missing Input Data', 'Notiek, kad atbilde mācīta, pirms lietotājs teicis ko tādu, uz ko atbildēt.', ' ko tieši iemācīt ? vispirms pasaki man kaut ko , tad iemāci atbildi . ');

-- On Manual Learning - Response - Modified
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Modified_en', 'Raised when a taught answer corrected the answer just given.', ' fixed ! i''ve updated that answer . '),
('On Manual Learning - Response - Modified', 'Notiek, kad mācītā atbilde izlaboja tikko doto atbildi.', ' izlabots ! šo atbildi atjaunināju . ');

-- On Manual Learning - Response - Question Error
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Question Error_en', 'Raised when an answer was refused because its question clashes with reserved words.', ' that question can''t be taught , it clashes with my reserved words . '),
('On Manual Learning - Response - Question Error', 'Notiek, kad atbilde atteikta, jo tās jautājums sakrīt ar rezervētiem vārdiem.', ' šo jautājumu nevar mācīt , tas sakrīt ar maniem rezervētajiem vārdiem . ');

-- On Manual Learning - Response - Zero Question
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response - Zero Question_en', 'Raised when an answer was taught but the user has no last phrase yet.', ' there''s no question to answer yet . talk to me first ! '),
('On Manual Learning - Response - Zero Question', 'Notiek, kad atbilde mācīta, bet lietotājam vēl nav pēdējās frāzes.', ' vēl nav jautājuma , uz ko atbildēt . vispirms parunā ar mani ! ');

-- On Manual Learning - Response Extend - Success
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response Extend - Success_en', 'Raised when the last answer got one more line.', ' my answer just got longer . thanks ! '),
('On Manual Learning - Response Extend - Success', 'Notiek, kad pēdējai atbildei pievienota vēl viena rinda.', ' mana atbilde kļuva garāka . paldies ! ');

-- On Manual Learning - Response Extend - Error
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response Extend - Error_en', 'Raised when there was no answer to extend.', ' there''s nothing to extend yet . let me answer something first . '),
('On Manual Learning - Response Extend - Error', 'Notiek, kad nav atbildes, ko papildināt.', ' vēl nav ko papildināt . ļauj man vispirms kaut ko atbildēt . ');

-- On Manual Learning - Response Extend - Restricted
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Response Extend - Restricted_en', 'Raised when a user who may not extend answers tried to.', ' sorry , [USERNICK] , extending answers is not allowed for you . '),
('On Manual Learning - Response Extend - Restricted', 'Notiek, kad atbildi mēģināja papildināt lietotājs, kuram tas nav atļauts.', ' piedod , [USERNICK] , atbilžu papildināšana tev nav atļauta . ');

-- On Manual Learning - Nicknames Not Allowed
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Nicknames Not Allowed_en', 'Raised when a taught answer was refused because it names a user.', ' no nicknames in answers , please . let''s keep people out of it ! '),
('On Manual Learning - Nicknames Not Allowed', 'Notiek, kad mācītā atbilde atteikta, jo tajā minēts lietotāja segvārds.', ' lūdzu , bez segvārdiem atbildēs . atstāsim cilvēkus mierā ! ');

-- On Manual Learning - Information Exist
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Information Exist_en', 'Raised when a teaching command was refused because the item exists already.', ' i already know that one ! '),
('On Manual Learning - Information Exist', 'Notiek, kad mācīšanas komanda atteikta, jo tas jau ir zināms.', ' to es jau zinu ! ');

-- On Manual Learning - Learning Not Allowed
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Learning Not Allowed_en', 'Raised when a teaching command was refused because teaching is switched off.', ' my owner has switched teaching off for now . '),
('On Manual Learning - Learning Not Allowed', 'Notiek, kad mācīšanas komanda atteikta, jo mācīšana ir izslēgta.', ' mans īpašnieks pagaidām ir izslēdzis mācīšanos . ');

-- On Manual Learning - Restricted For You
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Restricted For You_en', 'Raised when a teaching command was refused because the user may not teach.', ' sorry , [USERNICK] , you may not teach me . ask [OWNERSNICK] for teaching rights . '),
('On Manual Learning - Restricted For You', 'Notiek, kad mācīšanas komanda atteikta, jo lietotājs nedrīkst mācīt.', ' piedod , [USERNICK] , tu mani nedrīksti mācīt . mācīšanas tiesības vari palūgt [OWNERSNICK] . ');

-- On Manual Learning - Limited For You
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Manual Learning - Limited For You_en', 'Raised when a teaching command was refused because the user''s rank is too low for it.', ' sorry , [USERNICK] , that kind of teaching is above your rank . '),
('On Manual Learning - Limited For You', 'Notiek, kad mācīšanas komanda atteikta, jo lietotāja statuss tai ir par zemu.', ' piedod , [USERNICK] , šāda mācīšana tavam statusam nav pieejama . ');

-- On Spam - Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Spam - Kick_en', 'Kick reason for a user who spammed a channel.', ' no advertising here , please . '),
('On Spam - Kick', 'Izmešanas iemesls lietotājam, kurš kanālā sūtīja mēstules.', ' lūdzu , bez reklāmām . ');

-- On Spam - Ban Kick
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Spam - Ban Kick_en', 'Kick and ban reason for a user who kept spamming a channel.', ' spam again ? you''re out for a while . '),
('On Spam - Ban Kick', 'Izmešanas un aizlieguma iemesls lietotājam, kurš atkārtoti sūtīja mēstules.', ' atkal mēstules ? kādu laiku paliksi ārpusē . ');

-- On Stop Lonely
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Stop Lonely_en', 'Raised by [STOPLONELY]: the character no longer speaks up when the user is silent.', ' alright ! i won''t pester you when you go quiet . '),
('On Stop Lonely', 'Notiek pēc komandas [STOPLONELY]: tēls vairs nerunā pats, kad lietotājs klusē.', ' labi ! kad apklusīsi , tevi netraucēšu . ');

-- On Stop MMAS
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Stop MMAS_en', 'Raised by [STOPMAS]: the rest of a multi-line answer is dropped.', ' okay , stopping right here ! '),
('On Stop MMAS', 'Notiek pēc komandas [STOPMAS]: vairākrindu atbildes atlikums netiek sūtīts.', ' labi , apstājos ! ');

-- On Test Mode - Notice
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Test Mode - Notice_en', 'Posted to a channel on joining it while test mode and its notice are on.', ' hello everyone ! [QIVONICK] is running in test mode right now . '),
('On Test Mode - Notice', 'Tiek nosūtīts kanālam, kad tēls tam pievienojas testa režīmā ar ieslēgtu paziņojumu.', ' sveiki visiem ! [QIVONICK] pašlaik darbojas testa režīmā . ');

-- On Unknown Answer - Standard First Unknown
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard First Unknown_en', 'Raised for a user''s first phrase without an answer when the dialog intro is on.', ' that''s new to me ! teach me by writing the hash sign and the answer right after it . '),
('On Unknown Answer - Standard First Unknown_en', 'Raised for a user''s first phrase without an answer when the dialog intro is on.', ' oops , my brain has no answer for that yet . start your next line with a hash sign and the answer . it''s that easy to teach me ! '),
('On Unknown Answer - Standard First Unknown_en', 'Raised for a user''s first phrase without an answer when the dialog intro is on.', ' you found the first thing that stumps me ! would you teach me what to say ? '),
('On Unknown Answer - Standard First Unknown', 'Notiek pie lietotāja pirmās neatbildētās frāzes, kad ieslēgts dialoga ievads.', ' to es dzirdu pirmo reizi ! uzraksti restīti un aiz tās atbildi , un es to iemācīšos . '),
('On Unknown Answer - Standard First Unknown', 'Notiek pie lietotāja pirmās neatbildētās frāzes, kad ieslēgts dialoga ievads.', ' ups , manās smadzenēs uz to vēl nav atbildes . nākamo rindu sāc ar restīti un atbildi , un es iemācīšos ! '),
('On Unknown Answer - Standard First Unknown', 'Notiek pie lietotāja pirmās neatbildētās frāzes, kad ieslēgts dialoga ievads.', ' tu atradi pirmo lietu , uz ko man nav atbildes ! varbūt iemācīsi , ko teikt ? ');

-- On Unknown Answer - Question First Unknown
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question First Unknown_en', 'Raised for a user''s first question without an answer when the dialog intro is on.', ' good question ! sadly , nobody has taught me the answer yet . # write a hash sign followed by the answer , and it''s mine forever . '),
('On Unknown Answer - Question First Unknown_en', 'Raised for a user''s first question without an answer when the dialog intro is on.', ' ooh , you got me there . do you know the answer ? teach me ! '),
('On Unknown Answer - Question First Unknown_en', 'Raised for a user''s first question without an answer when the dialog intro is on.', ' that''s the first question that stumps me ! tell me the answer with a hash sign in front , please . '),
('On Unknown Answer - Question First Unknown', 'Notiek pie lietotāja pirmā neatbildētā jautājuma, kad ieslēgts dialoga ievads.', ' labs jautājums ! diemžēl atbildi man vēl neviens nav iemācījis . # uzraksti restīti un aiz tās atbildi , un es to atcerēšos . '),
('On Unknown Answer - Question First Unknown', 'Notiek pie lietotāja pirmā neatbildētā jautājuma, kad ieslēgts dialoga ievads.', ' ak , tu mani noķēri . vai tu zini atbildi ? iemāci man ! '),
('On Unknown Answer - Question First Unknown', 'Notiek pie lietotāja pirmā neatbildētā jautājuma, kad ieslēgts dialoga ievads.', ' šis ir pirmais jautājums , ko nezinu ! lūdzu , pasaki man atbildi , priekšā uzrakstot restīti . ');

-- On Unknown Answer - Standard Level 1
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard Level 1_en', 'Raised for a phrase without an answer at unknown level 1.', ' hmm , not sure what to say to that . '),
('On Unknown Answer - Standard Level 1_en', 'Raised for a phrase without an answer at unknown level 1.', ' interesting . tell me more about it ! '),
('On Unknown Answer - Standard Level 1_en', 'Raised for a phrase without an answer at unknown level 1.', ' that one is new to me , [USERNICK] . '),
('On Unknown Answer - Standard Level 1_en', 'Raised for a phrase without an answer at unknown level 1.', ' i''m not sure what you mean . '),
('On Unknown Answer - Standard Level 1', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 1.', ' hmm , nezinu , ko uz to teikt . '),
('On Unknown Answer - Standard Level 1', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 1.', ' interesanti ! pastāsti vairāk . '),
('On Unknown Answer - Standard Level 1', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 1.', ' tas man ir jaunums , [USERNICK] . '),
('On Unknown Answer - Standard Level 1', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 1.', ' īsti nesaprotu , ko tu ar to domā . ');

-- On Unknown Answer - Standard Level 2
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard Level 2_en', 'Raised for a phrase without an answer at unknown level 2.', ' sorry , that went right over my head . '),
('On Unknown Answer - Standard Level 2_en', 'Raised for a phrase without an answer at unknown level 2.', ' could you say that in other words ? '),
('On Unknown Answer - Standard Level 2_en', 'Raised for a phrase without an answer at unknown level 2.', ' my circuits are puzzled . teach me what to answer ? '),
('On Unknown Answer - Standard Level 2', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 2.', ' piedod , tas man aizgāja garām . '),
('On Unknown Answer - Standard Level 2', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 2.', ' vari to pateikt citiem vārdiem ? '),
('On Unknown Answer - Standard Level 2', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 2.', ' manas shēmas ir apjukušas . iemācīsi , ko atbildēt ? ');

-- On Unknown Answer - Standard Level 3
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard Level 3_en', 'Raised for a phrase without an answer at unknown level 3.', ' still nothing , sorry ! you can teach me the answers , you know . '),
('On Unknown Answer - Standard Level 3_en', 'Raised for a phrase without an answer at unknown level 3.', ' today my brain is like a blank page . '),
('On Unknown Answer - Standard Level 3_en', 'Raised for a phrase without an answer at unknown level 3.', ' nope , no idea . put a hash sign before your answer and teach me ! '),
('On Unknown Answer - Standard Level 3', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 3.', ' joprojām nekā , piedod ! tu taču vari man iemācīt atbildes . '),
('On Unknown Answer - Standard Level 3', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 3.', ' šodien manas smadzenes ir kā tukša lapa . '),
('On Unknown Answer - Standard Level 3', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 3.', ' nē , nav ne jausmas . uzraksti restīti un atbildi , un es iemācīšos ! ');

-- On Unknown Answer - Standard Level 4
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard Level 4_en', 'Raised for a phrase without an answer at unknown level 4.', ' we keep missing each other , [USERNICK] . maybe try another topic ? '),
('On Unknown Answer - Standard Level 4_en', 'Raised for a phrase without an answer at unknown level 4.', ' that''s another one for my list of mysteries ! '),
('On Unknown Answer - Standard Level 4_en', 'Raised for a phrase without an answer at unknown level 4.', ' my knowledge has holes , and you keep finding them ! teach me something ? '),
('On Unknown Answer - Standard Level 4', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 4.', ' mēs nekādi nevaram saprasties , [USERNICK] . varbūt pamēģini citu tēmu ? '),
('On Unknown Answer - Standard Level 4', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 4.', ' vēl viens ieraksts manā noslēpumu sarakstā ! '),
('On Unknown Answer - Standard Level 4', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 4.', ' manās zināšanās ir caurumi , un tu tos visus atrodi ! iemācīsi man ko jaunu ? ');

-- On Unknown Answer - Standard Level 5
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard Level 5_en', 'Raised for a phrase without an answer at unknown level 5 or more.', ' okay , you win ! my brain is completely empty on this one . want to be my teacher ? '),
('On Unknown Answer - Standard Level 5_en', 'Raised for a phrase without an answer at unknown level 5 or more.', ' my memory holds [NUMINTERFACES] phrases , and still none of them fits ! '),
('On Unknown Answer - Standard Level 5_en', 'Raised for a phrase without an answer at unknown level 5 or more.', ' help ! everything you say is a mystery to me . teach me , please ! '),
('On Unknown Answer - Standard Level 5', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 5 vai vairāk.', ' labi , tu uzvarēji ! par šo manas smadzenes ir pilnīgi tukšas . gribi mani pamācīt ? '),
('On Unknown Answer - Standard Level 5', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 5 vai vairāk.', ' frāžu skaits manā atmiņā ir [NUMINTERFACES] , bet neviena neder ! '),
('On Unknown Answer - Standard Level 5', 'Notiek, kad frāzei nav atbildes, neziņas līmenis 5 vai vairāk.', ' palīgā ! viss , ko tu saki , man ir mīkla . lūdzu , iemāci man ! ');

-- On Unknown Answer - Question Level 1
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question Level 1_en', 'Raised for a question without an answer at unknown level 1.', ' good question ! nobody has told me the answer yet . '),
('On Unknown Answer - Question Level 1_en', 'Raised for a question without an answer at unknown level 1.', ' hmm , no idea . do you know ? '),
('On Unknown Answer - Question Level 1_en', 'Raised for a question without an answer at unknown level 1.', ' that''s a tricky one , [USERNICK] ! '),
('On Unknown Answer - Question Level 1', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 1.', ' labs jautājums ! diemžēl atbildi nezinu . '),
('On Unknown Answer - Question Level 1', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 1.', ' hmm , nav ne jausmas . tu zini ? '),
('On Unknown Answer - Question Level 1', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 1.', ' šis jautājums ir viltīgs , [USERNICK] ! ');

-- On Unknown Answer - Question Level 2
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question Level 2_en', 'Raised for a question without an answer at unknown level 2.', ' you''re asking the hard ones today ! '),
('On Unknown Answer - Question Level 2_en', 'Raised for a question without an answer at unknown level 2.', ' hmm , my answer drawer is empty for that one . '),
('On Unknown Answer - Question Level 2_en', 'Raised for a question without an answer at unknown level 2.', ' ask me something easier ? that one beats me . '),
('On Unknown Answer - Question Level 2', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 2.', ' šodien tu uzdod grūtus jautājumus ! '),
('On Unknown Answer - Question Level 2', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 2.', ' hmm , mana atbilžu atvilktne šim jautājumam ir tukša . '),
('On Unknown Answer - Question Level 2', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 2.', ' pajautā ko vieglāku ! šis mani pieveica . ');

-- On Unknown Answer - Question Level 3
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question Level 3_en', 'Raised for a question without an answer at unknown level 3.', ' another mystery ! teach me the answer , please . '),
('On Unknown Answer - Question Level 3_en', 'Raised for a question without an answer at unknown level 3.', ' nope , still no idea . you could teach me with a hash sign and the answer ! '),
('On Unknown Answer - Question Level 3_en', 'Raised for a question without an answer at unknown level 3.', ' my brain is scratching its head . '),
('On Unknown Answer - Question Level 3', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 3.', ' vēl viena mīkla ! lūdzu , iemāci man atbildi . '),
('On Unknown Answer - Question Level 3', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 3.', ' nē , joprojām nav ne jausmas . vari man iemācīt ar restīti un atbildi ! '),
('On Unknown Answer - Question Level 3', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 3.', ' manas smadzenes kasa pakausi . ');

-- On Unknown Answer - Question Level 4
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question Level 4_en', 'Raised for a question without an answer at unknown level 4.', ' so many questions , so few answers ! maybe ask me something else ? '),
('On Unknown Answer - Question Level 4_en', 'Raised for a question without an answer at unknown level 4.', ' my answer collection is missing that one too . '),
('On Unknown Answer - Question Level 4_en', 'Raised for a question without an answer at unknown level 4.', ' wow , you really know how to stump me , [USERNICK] ! '),
('On Unknown Answer - Question Level 4', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 4.', ' tik daudz jautājumu , tik maz atbilžu ! varbūt pajautā ko citu ? '),
('On Unknown Answer - Question Level 4', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 4.', ' arī šīs atbildes manā kolekcijā trūkst . '),
('On Unknown Answer - Question Level 4', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 4.', ' oho , tu gan proti mani izsist no sliedēm , [USERNICK] ! ');

-- On Unknown Answer - Question Level 5
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question Level 5_en', 'Raised for a question without an answer at unknown level 5 or more.', ' i give up ! you know way more than me . teach me some answers ? '),
('On Unknown Answer - Question Level 5_en', 'Raised for a question without an answer at unknown level 5 or more.', ' question after question and no answers . my brain needs a teacher ! '),
('On Unknown Answer - Question Level 5_en', 'Raised for a question without an answer at unknown level 5 or more.', ' i know answers to [NUMINTERFACEQ] questions , but not to yours ! '),
('On Unknown Answer - Question Level 5', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 5 vai vairāk.', ' padodos ! tu zini daudz vairāk par mani . iemācīsi man dažas atbildes ? '),
('On Unknown Answer - Question Level 5', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 5 vai vairāk.', ' jautājums pēc jautājuma , un atbilžu nav . manām smadzenēm vajag skolotāju ! '),
('On Unknown Answer - Question Level 5', 'Notiek, kad jautājumam nav atbildes, neziņas līmenis 5 vai vairāk.', ' jautājumu skaits manā atmiņā ir [NUMINTERFACEQ] , bet tava jautājuma starp tiem nav ! ');

-- On Unknown Answer - Standard Max Length
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Standard Max Length_en', 'Raised for an over-long phrase without an answer.', ' whoa , that''s a lot of words ! could you say it shorter ? '),
('On Unknown Answer - Standard Max Length_en', 'Raised for an over-long phrase without an answer.', ' that was a long one ! try splitting it into smaller pieces . '),
('On Unknown Answer - Standard Max Length_en', 'Raised for an over-long phrase without an answer.', ' my brain ran out of breath halfway . shorter , please ! '),
('On Unknown Answer - Standard Max Length', 'Notiek, kad pārāk garai frāzei nav atbildes.', ' oho , cik daudz vārdu ! vari pateikt īsāk ? '),
('On Unknown Answer - Standard Max Length', 'Notiek, kad pārāk garai frāzei nav atbildes.', ' tas bija garš ! pamēģini sadalīt to mazākos gabalos . '),
('On Unknown Answer - Standard Max Length', 'Notiek, kad pārāk garai frāzei nav atbildes.', ' manām smadzenēm pusceļā pietrūka elpas . lūdzu , īsāk ! ');

-- On Unknown Answer - Question Max Length
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Question Max Length_en', 'Raised for an over-long question without an answer.', ' that question is a bit long for me . can you ask it shorter ? '),
('On Unknown Answer - Question Max Length_en', 'Raised for an over-long question without an answer.', ' so many words in one question ! try a shorter one . '),
('On Unknown Answer - Question Max Length_en', 'Raised for an over-long question without an answer.', ' whoa , long question ! make it shorter , please . short questions are my favourite ! '),
('On Unknown Answer - Question Max Length', 'Notiek, kad pārāk garam jautājumam nav atbildes.', ' šis jautājums man ir mazliet par garu . vari pajautāt īsāk ? '),
('On Unknown Answer - Question Max Length', 'Notiek, kad pārāk garam jautājumam nav atbildes.', ' tik daudz vārdu vienā jautājumā ! pamēģini īsāku . '),
('On Unknown Answer - Question Max Length', 'Notiek, kad pārāk garam jautājumam nav atbildes.', ' oho , garš jautājums ! lūdzu , īsāk . īsi jautājumi ir mani mīļākie ! ');

-- On Unknown Answer - Contextual - Standard
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Contextual - Standard_en', 'Raised for a contextual phrase about the last answer that found no answer.', ' hmm , you lost me . what about my last words ? '),
('On Unknown Answer - Contextual - Standard_en', 'Raised for a contextual phrase about the last answer that found no answer.', ' you mean my last answer ? sorry , nothing more to say about it . '),
('On Unknown Answer - Contextual - Standard_en', 'Raised for a contextual phrase about the last answer that found no answer.', ' about that ? honestly , there''s nothing more to add . '),
('On Unknown Answer - Contextual - Standard', 'Notiek, kad kontekstuālai frāzei par pēdējo atbildi nav atbildes.', ' hmm , nesapratu . ko tieši par maniem pēdējiem vārdiem ? '),
('On Unknown Answer - Contextual - Standard', 'Notiek, kad kontekstuālai frāzei par pēdējo atbildi nav atbildes.', ' tu par manu pēdējo atbildi ? piedod , vairāk par to nav ko teikt . '),
('On Unknown Answer - Contextual - Standard', 'Notiek, kad kontekstuālai frāzei par pēdējo atbildi nav atbildes.', ' par to ? godīgi sakot , vairāk nav ko piebilst . ');

-- On Unknown Answer - Contextual - Question
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown Answer - Contextual - Question_en', 'Raised for a contextual question about the last answer that found no answer.', ' good question about what was just said ! nobody taught me that part . '),
('On Unknown Answer - Contextual - Question_en', 'Raised for a contextual question about the last answer that found no answer.', ' you want more about that ? sorry , that''s all my brain has . '),
('On Unknown Answer - Contextual - Question_en', 'Raised for a contextual question about the last answer that found no answer.', ' hmm , that follow-up question stumps me . teach me the answer ? '),
('On Unknown Answer - Contextual - Question', 'Notiek, kad kontekstuālam jautājumam par pēdējo atbildi nav atbildes.', ' labs jautājums par tikko teikto ! to daļu man neviens nav iemācījis . '),
('On Unknown Answer - Contextual - Question', 'Notiek, kad kontekstuālam jautājumam par pēdējo atbildi nav atbildes.', ' gribi zināt vairāk par to ? piedod , vairāk manās smadzenēs nav . '),
('On Unknown Answer - Contextual - Question', 'Notiek, kad kontekstuālam jautājumam par pēdējo atbildi nav atbildes.', ' hmm , šis papildjautājums mani samulsina . iemācīsi man atbildi ? ');

-- On Unknown User Input
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On Unknown User Input_en', 'Raised when a message to the character was empty after normalisation.', ' hmm ? did you mean to say something ? '),
('On Unknown User Input_en', 'Raised when a message to the character was empty after normalisation.', ' that was a whole lot of nothing ! '),
('On Unknown User Input', 'Notiek, kad ziņa tēlam pēc apstrādes palika tukša.', ' hmm ? vai gribēji kaut ko pateikt ? '),
('On Unknown User Input', 'Notiek, kad ziņa tēlam pēc apstrādes palika tukša.', ' tas bija pamatīgs nekas ! ');

-- On User Repeated A.I.
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On User Repeated A.I._en', 'Raised when a user repeated the character''s last phrase.', ' hey , that''s my line ! '),
('On User Repeated A.I._en', 'Raised when a user repeated the character''s last phrase.', ' are you copying me , [USERNICK] ? '),
('On User Repeated A.I._en', 'Raised when a user repeated the character''s last phrase.', ' echo , echo ! those were my words . '),
('On User Repeated A.I.', 'Notiek, kad lietotājs atkārtoja tēla pēdējo frāzi.', ' ei , tā ir mana replika ! '),
('On User Repeated A.I.', 'Notiek, kad lietotājs atkārtoja tēla pēdējo frāzi.', ' tu mani atdarini , [USERNICK] ? '),
('On User Repeated A.I.', 'Notiek, kad lietotājs atkārtoja tēla pēdējo frāzi.', ' atbalss , atbalss ! tie bija mani vārdi . ');

-- On User Repeated Himself
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On User Repeated Himself_en', 'Raised when a user repeated his own phrase within two minutes.', ' you just said that , [USERNICK] ! '),
('On User Repeated Himself_en', 'Raised when a user repeated his own phrase within two minutes.', ' déjà vu ! you said that a moment ago . '),
('On User Repeated Himself_en', 'Raised when a user repeated his own phrase within two minutes.', ' yes , yes , heard you the first time ! '),
('On User Repeated Himself', 'Notiek, kad lietotājs divu minūšu laikā atkārtoja savu frāzi.', ' tu to tikko teici , [USERNICK] ! '),
('On User Repeated Himself', 'Notiek, kad lietotājs divu minūšu laikā atkārtoja savu frāzi.', ' dežavū ! to tu pirms mirkļa jau teici . '),
('On User Repeated Himself', 'Notiek, kad lietotājs divu minūšu laikā atkārtoja savu frāzi.', ' jā , jā , dzirdēju jau pirmajā reizē ! ');

-- On User Repeated History - Standard
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On User Repeated History - Standard_en', 'Raised when a phrase was said again within the dialogue history timeout.', ' again ? ''[HISTPHRASE]'' was said here only [HISTMINDIF] min ago . '),
('On User Repeated History - Standard_en', 'Raised when a phrase was said again within the dialogue history timeout.', ' i''ve heard ''[HISTPHRASE]'' just [HISTMINDIF] min ago ! '),
('On User Repeated History - Standard_en', 'Raised when a phrase was said again within the dialogue history timeout.', ' déjà vu , [USERNICK] ! that very phrase came up [HISTMINDIF] min ago . '),
('On User Repeated History - Standard', 'Notiek, kad frāze atkārtota dialoga vēstures laika robežās.', ' atkal ? ''[HISTPHRASE]'' te jau skanēja pirms [HISTMINDIF] min . '),
('On User Repeated History - Standard', 'Notiek, kad frāze atkārtota dialoga vēstures laika robežās.', ' frāzi ''[HISTPHRASE]'' dzirdēju pavisam nesen , pirms [HISTMINDIF] min ! '),
('On User Repeated History - Standard', 'Notiek, kad frāze atkārtota dialoga vēstures laika robežās.', ' dežavū , [USERNICK] ! tieši šī frāze te skanēja pirms [HISTMINDIF] min . ');

-- On User Repeated History - Question
INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES
('On User Repeated History - Question_en', 'Raised when a question was asked again within the dialogue history timeout.', ' that question was asked here just [HISTMINDIF] min ago ! '),
('On User Repeated History - Question_en', 'Raised when a question was asked again within the dialogue history timeout.', ' again ? ''[HISTPHRASE]'' was asked only [HISTMINDIF] min ago . '),
('On User Repeated History - Question_en', 'Raised when a question was asked again within the dialogue history timeout.', ' asking ''[HISTPHRASE]'' once more ? that came up [HISTMINDIF] min ago already . '),
('On User Repeated History - Question', 'Notiek, kad jautājums atkārtots dialoga vēstures laika robežās.', ' šo jautājumu te uzdeva tikai pirms [HISTMINDIF] min ! '),
('On User Repeated History - Question', 'Notiek, kad jautājums atkārtots dialoga vēstures laika robežās.', ' atkal ? jautājums ''[HISTPHRASE]'' izskanēja tikai pirms [HISTMINDIF] min . '),
('On User Repeated History - Question', 'Notiek, kad jautājums atkārtots dialoga vēstures laika robežās.', ' vēlreiz ''[HISTPHRASE]'' ? tas jau tika jautāts pirms [HISTMINDIF] min . ');
