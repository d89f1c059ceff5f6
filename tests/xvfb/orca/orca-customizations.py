# Orca, for the tests: speech goes to a file through our own speech server
# (speech_log_server.py, found through NUMBRIX_ORCA_DIR), key echo is off so
# that what is logged is what the program says.
import os
import sys

import orca.settings

sys.path.insert(0, os.environ["NUMBRIX_ORCA_DIR"])
orca.settings.speechServerFactory = "speech_log_server"
orca.settings.enableSpeech = True
orca.settings.enableKeyEcho = False
orca.settings.enableEchoByCharacter = False
orca.settings.enableEchoByWord = False
orca.settings.enableTutorialMessages = False
