-- The four custom tables that the record pages write to, for the database
-- round-trip tests. The statements carry no column list, so each table has
-- exactly one column per value of its page's statement, in statement order.
--
-- Every column is TEXT NOT NULL in utf8mb4 with the binary collation:
-- * TEXT, not a number type: every value arrives as a quoted string and the
--   tool checks nothing, so a column must take '', '-1', '007' or any typed
--   name as it is (in strict mode a number column refuses '' outright, and
--   would drop the leading zeros of '007').
-- * TEXT, not VARCHAR(n): a drop-down may write a choice longer than its
--   typing limit and nothing bounds a value's length, so no length of ours
--   may cut one off; and unlike CHAR it keeps trailing blanks.
-- * utf8mb4: the names may hold any Unicode character, those outside the
--   Basic Multilingual Plane included, which the 3-byte utf8mb3 cannot store.
-- * utf8mb4_bin: comparisons by code point, so nothing ever treats two
--   texts that differ in case, accents or trailing blanks as the same.
-- * NOT NULL: the tool never writes NULL, so a NULL would be a fault.
-- No keys: pressing "Add" twice writes the same line twice, and both rows
-- must go in.

CREATE TABLE custom_armor (
    item_id TEXT NOT NULL,
    item_id_again TEXT NOT NULL,
    name TEXT NOT NULL,
    bodypart TEXT NOT NULL,
    crystallizable TEXT NOT NULL,
    armor_type TEXT NOT NULL,
    weight TEXT NOT NULL,
    material TEXT NOT NULL,
    crystal_type TEXT NOT NULL,
    fixed_zero TEXT NOT NULL,
    duration TEXT NOT NULL,
    lifetime TEXT NOT NULL,
    p_def TEXT NOT NULL,
    m_def TEXT NOT NULL,
    mp_bonus TEXT NOT NULL,
    price TEXT NOT NULL,
    crystal_count TEXT NOT NULL,
    sellable TEXT NOT NULL,
    dropable TEXT NOT NULL,
    destroyable TEXT NOT NULL,
    tradeable TEXT NOT NULL,
    item_skill TEXT NOT NULL
) DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;

CREATE TABLE custom_etcitem (
    item_id TEXT NOT NULL,
    item_id_again TEXT NOT NULL,
    name TEXT NOT NULL,
    crystallizable TEXT NOT NULL,
    item_type TEXT NOT NULL,
    weight TEXT NOT NULL,
    consume_type TEXT NOT NULL,
    material TEXT NOT NULL,
    crystal_type TEXT NOT NULL,
    duration TEXT NOT NULL,
    lifetime TEXT NOT NULL,
    price TEXT NOT NULL,
    crystal_count TEXT NOT NULL,
    sellable TEXT NOT NULL,
    dropable TEXT NOT NULL,
    destroyable TEXT NOT NULL,
    tradeable TEXT NOT NULL,
    item_skill TEXT NOT NULL,
    fixed_false TEXT NOT NULL
) DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;

CREATE TABLE custom_weapon (
    item_id TEXT NOT NULL,
    item_id_again TEXT NOT NULL,
    name TEXT NOT NULL,
    bodypart TEXT NOT NULL,
    crystallizable TEXT NOT NULL,
    weight TEXT NOT NULL,
    soulshots TEXT NOT NULL,
    spiritshots TEXT NOT NULL,
    material TEXT NOT NULL,
    crystal_type TEXT NOT NULL,
    p_dam TEXT NOT NULL,
    rnd_dam TEXT NOT NULL,
    weapon_type TEXT NOT NULL,
    critical TEXT NOT NULL,
    hit_modify TEXT NOT NULL,
    fixed_zero TEXT NOT NULL,
    shield_def TEXT NOT NULL,
    shield_def_rate TEXT NOT NULL,
    atk_speed TEXT NOT NULL,
    mp_consume TEXT NOT NULL,
    m_dam TEXT NOT NULL,
    duration TEXT NOT NULL,
    lifetime TEXT NOT NULL,
    price TEXT NOT NULL,
    crystal_count TEXT NOT NULL,
    sellable TEXT NOT NULL,
    dropable TEXT NOT NULL,
    tradeable TEXT NOT NULL,
    item_skill TEXT NOT NULL,
    enchant4_skill TEXT NOT NULL,
    on_cast_skill TEXT NOT NULL,
    on_crit_skill TEXT NOT NULL
) DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;

CREATE TABLE custom_armorsets (
    id TEXT NOT NULL,
    helmet_id TEXT NOT NULL,
    chest_id TEXT NOT NULL,
    legs_id TEXT NOT NULL,
    gloves_id TEXT NOT NULL,
    feet_id TEXT NOT NULL,
    shield_id TEXT NOT NULL,
    skill_id TEXT NOT NULL,
    skill_level TEXT NOT NULL,
    skillset_id TEXT NOT NULL,
    shield_skill_id TEXT NOT NULL,
    enchant6_skill TEXT NOT NULL
) DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;
