"""A speech server for Orca that speaks into a file.

Each utterance Orca would say goes on a line of its own to the file named by
NUMBRIX_SPEECH_LOG, so a test can read what a screen reader user would have
heard, with no sound card and no speech-dispatcher. orca-customizations.py
(beside this file) makes Orca use it.
"""

import os

from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "Speech log"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active = None

    def __init__(self):
        super().__init__()
        self._log = os.environ.get("NUMBRIX_SPEECH_LOG", os.devnull)

    def _say(self, text):
        if text:
            with open(self._log, "a", encoding="utf-8") as log:
                log.write(" ".join(str(text).split()) + "\n")

    def getInfo(self):
        return [self.getFactoryName(), "log"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        self._say(text)

    def speakCharacter(self, character, acss=None):
        self._say(character)

    def speakKeyEvent(self, event, acss=None):
        pass  # keys echoed are not what the program says

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            self._say(context.utterance)

    def stop(self):
        pass

    def shutdown(self):
        pass

    def reset(self, text=None, acss=None):
        pass
