-- The brain: 27 tables. Aria keeps them crash-safe and repairable; utf8mb4 holds Latvian
-- letters and anything users type. Phrases and answers are long texts; the columns that
-- lookups compare carry (prefix) indexes. Tables marked CHECKSUM=1 keep a live checksum, which
-- tells the program when the copies it keeps of them (stored questions, patterns, words) must be
-- read again; LIKE copies it.
SET NAMES utf8mb4;
SET default_storage_engine = Aria;

CREATE TABLE IF NOT EXISTS interface_s (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  personality VARCHAR(64) NOT NULL DEFAULT '',
  daylight_time VARCHAR(64) NOT NULL DEFAULT '',
  category VARCHAR(255) NOT NULL DEFAULT '',
  question MEDIUMTEXT NOT NULL,
  answer MEDIUMTEXT NOT NULL,
  owner VARCHAR(512) NOT NULL DEFAULT '',
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  KEY question (question(255)),
  KEY owner (owner(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;

CREATE TABLE IF NOT EXISTS interface_q LIKE interface_s;

CREATE TABLE IF NOT EXISTS lastphrase_ai (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  phrase MEDIUMTEXT NOT NULL,
  unanswered VARCHAR(20) NOT NULL DEFAULT '0',
  answered VARCHAR(20) NOT NULL DEFAULT '0',
  dialogcount VARCHAR(20) NOT NULL DEFAULT '0',
  unknowns VARCHAR(20) NOT NULL DEFAULT '0',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS lastphrase_user (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  phrase MEDIUMTEXT NOT NULL,
  teacher VARCHAR(3) NOT NULL DEFAULT 'NO',
  contextual VARCHAR(3) NOT NULL DEFAULT 'NO',
  mmas_question MEDIUMTEXT NOT NULL,
  mmas_answer MEDIUMTEXT NOT NULL,
  original_question MEDIUMTEXT NOT NULL,
  interface_type VARCHAR(16) NOT NULL DEFAULT '',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS mmas (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  phrase MEDIUMTEXT NOT NULL,
  finished VARCHAR(3) NOT NULL DEFAULT 'NO',
  original MEDIUMTEXT NOT NULL,
  channel VARCHAR(512) NOT NULL DEFAULT '',
  total VARCHAR(20) NOT NULL DEFAULT '0',
  type VARCHAR(20) NOT NULL DEFAULT '0',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS system_messages (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  event_name VARCHAR(255) NOT NULL DEFAULT '',
  event_description MEDIUMTEXT NOT NULL,
  event_message MEDIUMTEXT NOT NULL,
  KEY event_name (event_name(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_history (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  phrase MEDIUMTEXT NOT NULL,
  type VARCHAR(16) NOT NULL DEFAULT '',
  date_said VARCHAR(10) NOT NULL DEFAULT '',
  time_said VARCHAR(8) NOT NULL DEFAULT '',
  times_said VARCHAR(20) NOT NULL DEFAULT '0',
  KEY phrase (phrase(255)),
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS unsolved_data (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  phrase MEDIUMTEXT NOT NULL,
  date_said VARCHAR(10) NOT NULL DEFAULT '',
  time_said VARCHAR(8) NOT NULL DEFAULT '',
  KEY phrase (phrase(255)),
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_options (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  ease_teaching VARCHAR(3) NOT NULL DEFAULT 'NO',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_stats (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  teached_count VARCHAR(20) NOT NULL DEFAULT '0',
  erased_count VARCHAR(20) NOT NULL DEFAULT '0',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_privileges (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  host VARCHAR(512) NOT NULL DEFAULT '',
  type VARCHAR(64) NOT NULL DEFAULT '',
  incognito VARCHAR(3) NOT NULL DEFAULT 'NO',
  KEY user (user(190)),
  KEY host (host(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_personality (
  `index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user VARCHAR(512) NOT NULL DEFAULT '',
  injan VARCHAR(20) NOT NULL DEFAULT '0',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_online (
  user VARCHAR(512) NOT NULL DEFAULT '',
  channel VARCHAR(512) NOT NULL DEFAULT '',
  KEY user (user(190)),
  KEY channel (channel(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS users_banned (
  user VARCHAR(512) NOT NULL DEFAULT '',
  host VARCHAR(512) NOT NULL DEFAULT '',
  ban_type VARCHAR(64) NOT NULL DEFAULT '',
  ban_date VARCHAR(10) NOT NULL DEFAULT '',
  ban_time VARCHAR(8) NOT NULL DEFAULT '',
  KEY user (user(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS system_channels (
  channel VARCHAR(512) NOT NULL DEFAULT '',
  KEY channel (channel(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS words_context (
  context_words MEDIUMTEXT NOT NULL,
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  owner VARCHAR(512) NOT NULL DEFAULT '',
  KEY context_words (context_words(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;

CREATE TABLE IF NOT EXISTS words_cmd_syn (
  indefinite MEDIUMTEXT NOT NULL,
  definite MEDIUMTEXT NOT NULL,
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  owner VARCHAR(512) NOT NULL DEFAULT '',
  KEY indefinite (indefinite(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;

CREATE TABLE IF NOT EXISTS words_relationship LIKE words_cmd_syn;
CREATE TABLE IF NOT EXISTS words_correction LIKE words_cmd_syn;

CREATE TABLE IF NOT EXISTS words_positive (
  positive MEDIUMTEXT NOT NULL,
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  owner VARCHAR(512) NOT NULL DEFAULT '',
  KEY positive (positive(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;

CREATE TABLE IF NOT EXISTS words_negative (
  negative MEDIUMTEXT NOT NULL,
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  owner VARCHAR(512) NOT NULL DEFAULT '',
  KEY negative (negative(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;

CREATE TABLE IF NOT EXISTS words_cs (
  word MEDIUMTEXT NOT NULL,
  owner VARCHAR(512) NOT NULL DEFAULT '',
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  KEY word (word(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS words_css (
  words MEDIUMTEXT NOT NULL,
  owner VARCHAR(512) NOT NULL DEFAULT '',
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  KEY words (words(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS words_bc (
  bc MEDIUMTEXT NOT NULL,
  date_learned VARCHAR(10) NOT NULL DEFAULT '',
  time_learned VARCHAR(8) NOT NULL DEFAULT '',
  owner VARCHAR(512) NOT NULL DEFAULT '',
  KEY bc (bc(255))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS words_ainicknames (
  name VARCHAR(512) NOT NULL DEFAULT '',
  KEY name (name(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS system_commands (
  command VARCHAR(255) NOT NULL DEFAULT '',
  KEY command (command(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;

CREATE TABLE IF NOT EXISTS system_parameters (
  parameter VARCHAR(255) NOT NULL DEFAULT '',
  KEY parameter (parameter(190))
) ENGINE=Aria DEFAULT CHARSET=utf8mb4 CHECKSUM=1;
