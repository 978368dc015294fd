"""The DataFrame Log.to_pandas() gives. Its time index is named "Time", as
every CSV style names the column; the name it had before, "time", still
reaches the times for one more release, with a DeprecationWarning:
frame["time"], frame.time and, after reset_index(), the column. A subclass
keeps everything else a DataFrame does, and frames made from it (slices,
copies, reset_index) stay of it."""

import warnings

import pandas

OLD_NAME = "time"
NAME = "Time"


class Frame(pandas.DataFrame):
    @property
    def _constructor(self):
        return Frame

    def _old_times(self):
        """The times the old name stands for, or None where it names nothing."""
        if OLD_NAME in self.columns:
            return None
        if NAME in self.columns:
            times = super().__getitem__(NAME)
        elif self.index.name == NAME:
            times = self.index.to_series()
        else:
            return None
        warnings.warn(f'the time index is named "{NAME}" now; "{OLD_NAME}" goes in the next release',
                      DeprecationWarning, stacklevel=3)
        return times.rename(OLD_NAME)

    def __getitem__(self, key):
        if isinstance(key, str) and key == OLD_NAME:
            times = self._old_times()
            if times is not None:
                return times
        return super().__getitem__(key)

    def __getattr__(self, name):
        if name == OLD_NAME:
            times = self._old_times()
            if times is not None:
                return times
        return super().__getattr__(name)
