import os
import sys

TOOL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO = os.path.dirname(os.path.dirname(TOOL))
CACHE = os.environ.get("NAMEDATA_CACHE", os.path.join(REPO, ".cache", "namedata"))
SRC = os.path.join(REPO, "data-src")
if TOOL not in sys.path:
    sys.path.insert(0, TOOL)
