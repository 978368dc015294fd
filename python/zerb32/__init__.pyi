import datetime
import os
import zoneinfo
from typing import Iterable, Literal, NamedTuple, Optional, Union

import numpy as np
import numpy.typing as npt
import pandas

_Path = Union[str, bytes, os.PathLike[str], os.PathLike[bytes]]

__version__: str

class LoadError(Exception): ...
class StreamError(Exception): ...
class SiteWarning(UserWarning): ...
class ZoneWarning(UserWarning): ...
class StoreError(Exception): ...
class HistoryWarning(UserWarning): ...

class Channel(NamedTuple):
    column: int
    kind: Literal["sensor", "output", "asm"]
    key: int
    name: str
    type_name: str
    unit: str
    exponent: int

class Device(NamedTuple):
    kind: Literal["sensor", "output", "asm"]
    key: int
    name: str
    type_name: str
    unit: str
    exponent: int
    logged: bool

class Unit(NamedTuple):
    number: int
    name: str
    program: tuple[int, int]
    rooms: int
    airspaces: list[tuple[int, Literal["room", "creep"], int]]

class Site(NamedTuple):
    name: str
    number: int
    telephone: str
    units: list[Unit]
    devices: list[Device]

class Log:
    description: str
    site_name: str
    site_number: int
    site_file: Optional[str]
    interval: int
    pc_time: Optional[datetime.datetime]
    lan_time: Optional[datetime.datetime]
    local_lan_time: Optional[datetime.datetime]
    gaps: list[tuple[datetime.datetime, datetime.datetime]]
    conflicts: int
    off_grid: list[tuple[str, str, int]]
    channels: list[Channel]
    times: npt.NDArray[np.datetime64]
    raw: npt.NDArray[np.int16]
    values: npt.NDArray[np.float64]
    tz: Optional[datetime.tzinfo]
    def column_names(self) -> list[str]: ...
    def to_pandas(self) -> pandas.DataFrame: ...

def read_log(
    path: _Path,
    site: Optional[_Path] = None,
    time_base: Literal["pc", "lan"] = "pc",
    skip: int = 0,
    new_only: bool = False,
    overlap: int = 0,
    tz: Union[str, zoneinfo.ZoneInfo, None] = None,
    utc_offset: Union[str, datetime.timedelta, None] = None,
) -> Log: ...
def read_site(path: _Path) -> Site: ...
def merge(paths: Iterable[_Path], time_base: Literal["pc", "lan"] = "pc") -> Log: ...

class History:
    db_path: str
    def __init__(self, db_path: _Path) -> None: ...
    def export(
        self,
        site: int,
        start: Union[str, datetime.date, None] = None,
        end: Union[str, datetime.date, None] = None,
    ) -> Log: ...
