"""The sense of a word shown in a character's word list: the modern, common one first.

The word data lists senses in historical order, so the first is often archaic (【明天】指月光满天).
A sense that reads as a classical gloss is passed over for the first one that does not."""
import re

_SPLIT = re.compile(r"\n|(?=[①-⑩])|\s(?=\d+\.)")
_NUM = re.compile(r"^\s*(\d+\.|[①-⑩])\s*")
# glosses of classical usage: "谓…", "犹…", "古代…", quotations of old books, "亦作…", a bare
# short "指…", names of offices, places and books, senses of old dynasties and of religion,
# terms of fortune-tellers
_ARCHAIC = re.compile(r"^(谓|犹|古|旧|亦|也作|通|同|借指|泛指|特指|喻|比喻|语本|语出|典出|见)|^指.{1,8}$|"
                      r"古代|古时|古人|旧时|旧称|《|文言|方言|诗文|骈文|书面语|"
                      r"官名|僧名|人名|地名|书名|国名|星名|山名|水名|曲名|卦|佛教|道家|道教|"
                      r"史书|病名|中医|命相|相术|相面|星命|算命|迷信|^(周|秦|汉|晋|隋|唐|宋|元|明|清|魏)(代|朝|时|初|末)|^(南朝|北朝|三国|五代|战国|春秋)")


def senses(definition):
    """The numbered senses of a definition, numbers removed."""
    parts = _SPLIT.split(definition.replace("\r", "\n"))
    return [s for s in (_NUM.sub("", p).strip() for p in parts) if s]


def is_archaic(sense):
    return bool(_ARCHAIC.search(sense))


def modern_sense(definition):
    """The first sense that is not a classical gloss, else the first sense."""
    all_senses = senses(definition)
    if not all_senses:
        return ""
    for s in all_senses:
        if not is_archaic(s):
            return s
    return all_senses[0]
