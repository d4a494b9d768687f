-- Reserved parameter words: the placeholders of event messages and answers, filled in when a line
-- is prepared for output. Stored like the commands ("[" and "]" spelt "XX" and "YY", capitals
-- only), they keep synonyms and teaching from rewriting a placeholder, and a synonym from ending
-- in one.
--   [USERNICK] [QIVONICK] [OWNERSNICK] [SOMENICK]   nicks: addressee, character, owner, someone online
--   [DATE] [TIME]                                   today's date, the time now
--   [ANSWEROWNER] [ACK]                             teacher of the last answer, linked context keywords
--   [HISTMINDIF] [HISTPHRASE]                       minutes since, and the phrase of, a repetition
--   [ACTION]                                        sends the line as an action
--   [NUMINTERFACES] ... [NUMDTUNSOLVED]             the brain counts
INSERT INTO system_parameters (`parameter`) VALUES
('XXUSERNICKYY'),
('XXQIVONICKYY'),
('XXOWNERSNICKYY'),
('XXDATEYY'),
('XXTIMEYY'),
('XXANSWEROWNERYY'),
('XXACKYY'),
('XXHISTMINDIFYY'),
('XXHISTPHRASEYY'),
('XXSOMENICKYY'),
('XXACTIONYY'),
('XXNUMINTERFACESYY'),
('XXNUMINTERFACEQYY'),
('XXNUMSYNONYMCMDYY'),
('XXNUMSYNONYMWRDYY'),
('XXNUMSYNONYMCORYY'),
('XXNUMCONTEXTWRDYY'),
('XXNUMPOSITIVESWYY'),
('XXNUMNEGATIVESWYY'),
('XXNUMCASESENSWDYY'),
('XXNUMSYSMESAGESYY'),
('XXNUMKNOWNUSERSYY'),
('XXNUMDTUNSOLVEDYY');
