-- Reserved command words: the bracket commands people type and the marker that ends every event
-- answer. Each row is a pattern the brain matches (RLIKE, and "=" for whole words) against text in
-- which "[" and "]" are spelt "XX" and "YY"; the check that neutralises commands inside a
-- contextual phrase spells them "2Y1Z2X1Y" and "3Y2Z3X2Y", so every command is here in both
-- spellings. Patterns hold only capitals and digits: each matches exactly its own text, so the
-- loops that find a pattern and replace its text always make progress.
--   [ERASE] [ERASEALL]                    erase the last answer / every answer to the last question
--   [POSITIVE] [NEGATIVE]                 teach a positive / negative word
--   [NOPOSITIVE] [NONEGATIVE]             erase a positive / negative word
--   [CSWORD] [NOCSWORD]                   teach / erase a case sensitive word
--   [ANSWEROWNER]                         who taught the last answer (also an output placeholder)
--   [ADMEXPAND]                           widen a one-word question for advanced data matching
--   [SKIPCONTEXT]                         take the phrase without context keywords
--   [STOPMAS]                             drop the rest of a multi-line answer
--   [STOPLONELY]                          stop speaking up when the user falls silent
--   [ENABLECONVERTER] [DISABLECONVERTER]  write Latvian letters as letter pairs / as they are
--   [SYSMSG]                              marks an event answer; never part of a taught answer
INSERT INTO system_commands (`command`) VALUES
('XXERASEYY'),
('XXERASEALLYY'),
('XXPOSITIVEYY'),
('XXNEGATIVEYY'),
('XXNOPOSITIVEYY'),
('XXNONEGATIVEYY'),
('XXCSWORDYY'),
('XXNOCSWORDYY'),
('XXANSWEROWNERYY'),
('XXADMEXPANDYY'),
('XXSKIPCONTEXTYY'),
('XXSTOPMASYY'),
('XXSTOPLONELYYY'),
('XXENABLECONVERTERYY'),
('XXDISABLECONVERTERYY'),
('XXSYSMSGYY'),
('2Y1Z2X1YERASE3Y2Z3X2Y'),
('2Y1Z2X1YERASEALL3Y2Z3X2Y'),
('2Y1Z2X1YPOSITIVE3Y2Z3X2Y'),
('2Y1Z2X1YNEGATIVE3Y2Z3X2Y'),
('2Y1Z2X1YNOPOSITIVE3Y2Z3X2Y'),
('2Y1Z2X1YNONEGATIVE3Y2Z3X2Y'),
('2Y1Z2X1YCSWORD3Y2Z3X2Y'),
('2Y1Z2X1YNOCSWORD3Y2Z3X2Y'),
('2Y1Z2X1YANSWEROWNER3Y2Z3X2Y'),
('2Y1Z2X1YADMEXPAND3Y2Z3X2Y'),
('2Y1Z2X1YSKIPCONTEXT3Y2Z3X2Y'),
('2Y1Z2X1YSTOPMAS3Y2Z3X2Y'),
('2Y1Z2X1YSTOPLONELY3Y2Z3X2Y'),
('2Y1Z2X1YENABLECONVERTER3Y2Z3X2Y'),
('2Y1Z2X1YDISABLECONVERTER3Y2Z3X2Y'),
('2Y1Z2X1YSYSMSG3Y2Z3X2Y');
