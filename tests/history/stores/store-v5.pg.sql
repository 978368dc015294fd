--
-- PostgreSQL database dump
--

\restrict chV9zTwXd4CljRbjmLndLouhD86cnLLByU4xkj87XjLjTFnc0DvjMoGVHgqhiij

-- Dumped from database version 15.18 (Debian 15.18-0+deb12u1)
-- Dumped by pg_dump version 15.18 (Debian 15.18-0+deb12u1)

SET statement_timeout = 0;
SET lock_timeout = 0;
SET idle_in_transaction_session_timeout = 0;
SET client_encoding = 'UTF8';
SET standard_conforming_strings = on;
SELECT pg_catalog.set_config('search_path', '', false);
SET check_function_bodies = false;
SET xmloption = content;
SET client_min_messages = warning;
SET row_security = off;

SET default_tablespace = '';

SET default_table_access_method = heap;

--
-- Name: import_channels; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.import_channels (
    import bigint NOT NULL,
    "position" integer NOT NULL,
    kind smallint NOT NULL,
    key integer NOT NULL,
    name text NOT NULL,
    type_code smallint,
    exp_byte smallint,
    units_byte smallint,
    description text DEFAULT 'default'::text NOT NULL,
    meaning bigint DEFAULT 0 NOT NULL
);


--
-- Name: TABLE import_channels; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.import_channels IS 'Each import''s channel table, in order, as its log described it.';


--
-- Name: COLUMN import_channels.import; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.import IS 'The import.';


--
-- Name: COLUMN import_channels."position"; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels."position" IS 'The channel''s place in the log''s table, from 0.';


--
-- Name: COLUMN import_channels.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN import_channels.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.key IS 'The channel''s key within its kind: the same in every log of the site.';


--
-- Name: COLUMN import_channels.name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.name IS 'The name the log''s description gave (8-bit text).';


--
-- Name: COLUMN import_channels.type_code; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.type_code IS 'The device''s type byte of the description (NULL for version-1 imports).';


--
-- Name: COLUMN import_channels.exp_byte; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.exp_byte IS 'The device''s exponent byte of the description.';


--
-- Name: COLUMN import_channels.units_byte; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.units_byte IS 'The device''s units byte of the description.';


--
-- Name: COLUMN import_channels.description; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.description IS 'Where the description came from: site (its own site file), stored (another log''s), default.';


--
-- Name: COLUMN import_channels.meaning; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.import_channels.meaning IS 'The meaning (meanings.id) the log''s readings of the channel have.';


--
-- Name: imports; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.imports (
    id bigint NOT NULL,
    site bigint NOT NULL,
    content_hash text NOT NULL COLLATE pg_catalog."C",
    log_path text NOT NULL,
    site_file text,
    time_base text NOT NULL,
    first_time bigint NOT NULL,
    last_time bigint NOT NULL,
    interval_seconds integer NOT NULL,
    readings bigint NOT NULL,
    conflicts bigint NOT NULL,
    imported_at timestamp with time zone DEFAULT now() NOT NULL,
    site_description text DEFAULT 'none'::text NOT NULL,
    legacy_hash text COLLATE pg_catalog."C",
    utc_offset integer,
    CONSTRAINT imports_time_base_check CHECK ((time_base = ANY (ARRAY['PC'::text, 'LAN'::text])))
);


--
-- Name: TABLE imports; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.imports IS 'One row per log taken into the store.';


--
-- Name: COLUMN imports.id; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.id IS 'The import''s number.';


--
-- Name: COLUMN imports.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.site IS 'The site of the log.';


--
-- Name: COLUMN imports.content_hash; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.content_hash IS 'SHA-256 of the log''s bytes, 64 hex digits (a log is never taken twice).';


--
-- Name: COLUMN imports.log_path; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.log_path IS 'The log''s path as it was imported.';


--
-- Name: COLUMN imports.site_file; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.site_file IS 'The site file''s path when it loaded whole, else NULL.';


--
-- Name: COLUMN imports.time_base; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.time_base IS 'The clock the row times follow: PC or LAN.';


--
-- Name: COLUMN imports.first_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.first_time IS 'The log''s first row time.';


--
-- Name: COLUMN imports.last_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.last_time IS 'The log''s last row time.';


--
-- Name: COLUMN imports.interval_seconds; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.interval_seconds IS 'Seconds between the log''s rows.';


--
-- Name: COLUMN imports.readings; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.readings IS 'Readings the log holds.';


--
-- Name: COLUMN imports.conflicts; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.conflicts IS 'Conflicts naming the log, kept or other.';


--
-- Name: COLUMN imports.imported_at; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.imported_at IS 'When the log was imported (UTC).';


--
-- Name: COLUMN imports.site_description; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.site_description IS 'What the log was decoded with: complete (its site file), incomplete (a damaged one), none, or stored (descriptions of other logs).';


--
-- Name: COLUMN imports.legacy_hash; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.legacy_hash IS 'The identity a version-1 store kept (FNV-1a and size); NULL for later imports.';


--
-- Name: COLUMN imports.utc_offset; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.imports.utc_offset IS 'Seconds the logger''s clock was ahead of UTC for this log (its newest row placed in the site''s zone); a row''s instant is its time minus this. NULL while the site has no zone.';


--
-- Name: meanings; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.meanings (
    id bigint NOT NULL,
    site bigint NOT NULL,
    kind smallint NOT NULL,
    key integer NOT NULL,
    type_name text NOT NULL,
    units text NOT NULL,
    exponent smallint NOT NULL,
    digital boolean NOT NULL
);


--
-- Name: TABLE meanings; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.meanings IS 'One row per way a channel''s readings were decoded (type, units, exponent): a column of an export.';


--
-- Name: COLUMN meanings.id; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.id IS 'The meaning''s number.';


--
-- Name: COLUMN meanings.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.site IS 'The site.';


--
-- Name: COLUMN meanings.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN meanings.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN meanings.type_name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.type_name IS 'The device type.';


--
-- Name: COLUMN meanings.units; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.units IS 'The units letter (unit_texts gives its text).';


--
-- Name: COLUMN meanings.exponent; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.exponent IS 'The decimal exponent of the values.';


--
-- Name: COLUMN meanings.digital; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meanings.digital IS '1 (true) for an on/off channel.';


--
-- Name: channel_descriptions; Type: VIEW; Schema: public; Owner: -
--

CREATE VIEW public.channel_descriptions AS
 SELECT i.site,
    c.kind,
    c.key,
    c.name,
    m.type_name,
    m.units,
    m.exponent,
    m.digital,
    c.description,
    min(i.first_time) AS first_time,
    max(i.last_time) AS last_time
   FROM ((public.import_channels c
     JOIN public.imports i ON ((i.id = c.import)))
     JOIN public.meanings m ON ((m.id = c.meaning)))
  GROUP BY i.site, c.kind, c.key, c.name, m.type_name, m.units, m.exponent, m.digital, c.description;


--
-- Name: VIEW channel_descriptions; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON VIEW public.channel_descriptions IS 'Every description a channel had, with the span of the logs it decoded.';


--
-- Name: COLUMN channel_descriptions.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.site IS 'The site.';


--
-- Name: COLUMN channel_descriptions.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN channel_descriptions.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN channel_descriptions.name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.name IS 'The name (8-bit text).';


--
-- Name: COLUMN channel_descriptions.type_name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.type_name IS 'The device type.';


--
-- Name: COLUMN channel_descriptions.units; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.units IS 'The units letter.';


--
-- Name: COLUMN channel_descriptions.exponent; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.exponent IS 'The decimal exponent.';


--
-- Name: COLUMN channel_descriptions.digital; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.digital IS '1 (true) for an on/off channel.';


--
-- Name: COLUMN channel_descriptions.description; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.description IS 'site, stored or default.';


--
-- Name: COLUMN channel_descriptions.first_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.first_time IS 'The first row time of the logs decoded so.';


--
-- Name: COLUMN channel_descriptions.last_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_descriptions.last_time IS 'The last row time of those logs.';


--
-- Name: channel_names; Type: VIEW; Schema: public; Owner: -
--

CREATE VIEW public.channel_names AS
 SELECT i.site,
    c.kind,
    c.key,
    c.name,
    min(i.first_time) AS first_time,
    max(i.last_time) AS last_time
   FROM (public.import_channels c
     JOIN public.imports i ON ((i.id = c.import)))
  GROUP BY i.site, c.kind, c.key, c.name;


--
-- Name: VIEW channel_names; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON VIEW public.channel_names IS 'Every name a channel had, with the span of the logs that used it.';


--
-- Name: COLUMN channel_names.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_names.site IS 'The site.';


--
-- Name: COLUMN channel_names.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_names.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN channel_names.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_names.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN channel_names.name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_names.name IS 'A name it had (8-bit text).';


--
-- Name: COLUMN channel_names.first_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_names.first_time IS 'The first row time of the logs that used the name.';


--
-- Name: COLUMN channel_names.last_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channel_names.last_time IS 'The last row time of those logs.';


--
-- Name: channels; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.channels (
    site bigint NOT NULL,
    kind smallint NOT NULL,
    key integer NOT NULL,
    name text NOT NULL,
    type_name text NOT NULL,
    units text NOT NULL,
    exponent smallint NOT NULL,
    digital boolean NOT NULL,
    source_end bigint NOT NULL,
    source_hash text NOT NULL COLLATE pg_catalog."C"
);


--
-- Name: TABLE channels; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.channels IS 'One row per channel of a site, as the newest log holding it describes it.';


--
-- Name: COLUMN channels.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.site IS 'The site.';


--
-- Name: COLUMN channels.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN channels.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN channels.name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.name IS 'The newest name (8-bit text).';


--
-- Name: COLUMN channels.type_name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.type_name IS 'The device type: TS4-C, ON/OFF, VARIABLE, ASM, ...';


--
-- Name: COLUMN channels.units; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.units IS 'The units letter of the description (unit_texts gives its text).';


--
-- Name: COLUMN channels.exponent; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.exponent IS 'The decimal exponent of the values.';


--
-- Name: COLUMN channels.digital; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.digital IS '1 (true) for an on/off channel.';


--
-- Name: COLUMN channels.source_end; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.source_end IS 'The last row time of the log the description came from.';


--
-- Name: COLUMN channels.source_hash; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.channels.source_hash IS 'The content hash of that log.';


--
-- Name: conflicts; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.conflicts (
    site bigint NOT NULL,
    kind smallint NOT NULL,
    key integer NOT NULL,
    "time" bigint NOT NULL,
    kept_raw smallint NOT NULL,
    other_raw smallint NOT NULL,
    kept_import bigint NOT NULL,
    other_import bigint NOT NULL
);


--
-- Name: TABLE conflicts; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.conflicts IS 'A log that held a reading with a raw count other than the kept one.';


--
-- Name: COLUMN conflicts.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.site IS 'The site.';


--
-- Name: COLUMN conflicts.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN conflicts.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN conflicts."time"; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts."time" IS 'The row time.';


--
-- Name: COLUMN conflicts.kept_raw; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.kept_raw IS 'The raw count kept.';


--
-- Name: COLUMN conflicts.other_raw; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.other_raw IS 'The other log''s raw count.';


--
-- Name: COLUMN conflicts.kept_import; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.kept_import IS 'The import the kept reading came from.';


--
-- Name: COLUMN conflicts.other_import; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.conflicts.other_import IS 'The other import.';


--
-- Name: holdings; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.holdings (
    site bigint NOT NULL,
    kind smallint NOT NULL,
    key integer NOT NULL,
    first_time bigint NOT NULL,
    last_time bigint NOT NULL,
    import bigint NOT NULL
);


--
-- Name: TABLE holdings; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.holdings IS 'Which import holds the readings: per channel, ranges of time that never overlap, each reading held by the import of the range its time lies in.';


--
-- Name: COLUMN holdings.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.holdings.site IS 'The site.';


--
-- Name: COLUMN holdings.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.holdings.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN holdings.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.holdings.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN holdings.first_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.holdings.first_time IS 'The range''s first time.';


--
-- Name: COLUMN holdings.last_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.holdings.last_time IS 'The range''s last time.';


--
-- Name: COLUMN holdings.import; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.holdings.import IS 'The import holding the channel''s readings in the range (the one they are kept from).';


--
-- Name: imports_id_seq; Type: SEQUENCE; Schema: public; Owner: -
--

ALTER TABLE public.imports ALTER COLUMN id ADD GENERATED BY DEFAULT AS IDENTITY (
    SEQUENCE NAME public.imports_id_seq
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1
);


--
-- Name: meaning_labels; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.meaning_labels (
    meaning bigint NOT NULL,
    kind text NOT NULL,
    channel text,
    unit text NOT NULL
);


--
-- Name: TABLE meaning_labels; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.meaning_labels IS 'One row per meaning: the words reading_values shows for its readings, written again by every import of the site.';


--
-- Name: COLUMN meaning_labels.meaning; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meaning_labels.meaning IS 'The meaning (meanings.id).';


--
-- Name: COLUMN meaning_labels.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meaning_labels.kind IS 'sensor, output or asm.';


--
-- Name: COLUMN meaning_labels.channel; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meaning_labels.channel IS 'The channel''s newest name, as channels.name holds it.';


--
-- Name: COLUMN meaning_labels.unit; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.meaning_labels.unit IS 'The unit as text: degrees Celsius as °C, bar, %, or the units letter itself.';


--
-- Name: meanings_id_seq; Type: SEQUENCE; Schema: public; Owner: -
--

ALTER TABLE public.meanings ALTER COLUMN id ADD GENERATED BY DEFAULT AS IDENTITY (
    SEQUENCE NAME public.meanings_id_seq
    START WITH 1
    INCREMENT BY 1
    NO MINVALUE
    NO MAXVALUE
    CACHE 1
);


--
-- Name: readings; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.readings (
    site bigint NOT NULL,
    kind smallint NOT NULL,
    key integer NOT NULL,
    "time" bigint NOT NULL,
    raw smallint NOT NULL,
    value integer,
    exponent smallint NOT NULL,
    import bigint NOT NULL,
    meaning bigint DEFAULT 0 NOT NULL
)
WITH (fillfactor='50');


--
-- Name: TABLE readings; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.readings IS 'One row per reading: a channel of a site at a row time, kept from the log whose rows end latest.';


--
-- Name: COLUMN readings.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.site IS 'The site.';


--
-- Name: COLUMN readings.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.kind IS '0 sensor, 1 output, 2 ASM.';


--
-- Name: COLUMN readings.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN readings."time"; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings."time" IS 'The row time (the logger''s civil time).';


--
-- Name: COLUMN readings.raw; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.raw IS 'The logged count.';


--
-- Name: COLUMN readings.value; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.value IS 'A whole number: the engineering value is value × 10^exponent; NULL where the device gives none. reading_values has the engineering value.';


--
-- Name: COLUMN readings.exponent; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.exponent IS 'The decimal exponent of the value.';


--
-- Name: COLUMN readings.import; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.import IS 'The import that wrote the reading; holdings says which import holds it (a newer log with the same reading takes it over there).';


--
-- Name: COLUMN readings.meaning; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.readings.meaning IS 'The meaning its log gave it.';


--
-- Name: sites; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.sites (
    site bigint NOT NULL,
    name text NOT NULL,
    name_end bigint NOT NULL,
    zone text
);


--
-- Name: TABLE sites; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.sites IS 'One row per site: the whole number its site file is named by.';


--
-- Name: COLUMN sites.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.sites.site IS 'The site number (0 to 4294967295).';


--
-- Name: COLUMN sites.name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.sites.name IS 'The site''s name, from the newest log with a complete site file (the site file''s 8-bit text).';


--
-- Name: COLUMN sites.name_end; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.sites.name_end IS 'The last row time of the log the name came from.';


--
-- Name: COLUMN sites.zone; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.sites.zone IS 'The zone of the logger''s clock (an IANA name, or a fixed offset +HH:MM) as import --tz or --utc-offset gave it; NULL: the times are civil times of no known zone.';


--
-- Name: reading_values; Type: VIEW; Schema: public; Owner: -
--

CREATE VIEW public.reading_values AS
 SELECT r.site,
    l.kind,
    r.key,
    l.channel,
    l.unit,
        CASE
            WHEN (r.exponent < 0) THEN ((r.value)::double precision / power((10)::double precision, ((- r.exponent))::double precision))
            ELSE ((r.value)::double precision * power((10)::double precision, (r.exponent)::double precision))
        END AS value,
    (to_timestamp((r."time")::double precision) AT TIME ZONE 'UTC'::text) AS civil_time,
    to_timestamp(((r."time" - i.utc_offset))::double precision) AS "time",
    (r."time" - i.utc_offset) AS unix_time,
    s.zone,
    ('1970-01-01'::date + (floor(((r."time")::double precision / (86400)::double precision)))::integer) AS day
   FROM ((((public.readings r
     LEFT JOIN public.meaning_labels l ON ((l.meaning = r.meaning)))
     LEFT JOIN LATERAL ( SELECT ( SELECT h_1.import
                   FROM public.holdings h_1
                  WHERE ((h_1.site = r.site) AND (h_1.kind = r.kind) AND (h_1.key = r.key) AND (h_1.first_time <= r."time"))
                  ORDER BY h_1.first_time DESC
                 LIMIT 1) AS import) h ON (true))
     LEFT JOIN public.imports i ON ((i.id = h.import)))
     LEFT JOIN public.sites s ON ((s.site = r.site)));


--
-- Name: VIEW reading_values; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON VIEW public.reading_values IS 'The readings as SQL and dashboards read them: names, units as text, values as real numbers, times as instants.';


--
-- Name: COLUMN reading_values.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.site IS 'The site.';


--
-- Name: COLUMN reading_values.kind; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.kind IS 'sensor, output or asm.';


--
-- Name: COLUMN reading_values.key; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.key IS 'The channel''s key within its kind.';


--
-- Name: COLUMN reading_values.channel; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.channel IS 'The channel''s newest name, as channels.name holds it.';


--
-- Name: COLUMN reading_values.unit; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.unit IS 'The unit as text: degrees Celsius as °C, bar, %, or the units letter itself.';


--
-- Name: COLUMN reading_values.value; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.value IS 'The engineering value, a real number; NULL where the device gives none.';


--
-- Name: COLUMN reading_values.civil_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.civil_time IS 'The logger''s civil time of the row, no zone.';


--
-- Name: COLUMN reading_values."time"; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values."time" IS 'The instant of the row (timestamptz); NULL where the site has no zone.';


--
-- Name: COLUMN reading_values.unix_time; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.unix_time IS 'The instant as seconds since 1970-01-01 UTC; NULL where the site has no zone.';


--
-- Name: COLUMN reading_values.zone; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.zone IS 'The site''s zone (sites.zone); NULL: the times are civil times of no known zone.';


--
-- Name: COLUMN reading_values.day; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.reading_values.day IS 'The civil day of the row (date).';


--
-- Name: site_gaps; Type: VIEW; Schema: public; Owner: -
--

CREATE VIEW public.site_gaps AS
 SELECT spans.site,
    (to_timestamp((spans.covered)::double precision) AT TIME ZONE 'UTC'::text) AS gap_after,
    (to_timestamp((spans.first_time)::double precision) AT TIME ZONE 'UTC'::text) AS gap_until,
    (((spans.first_time - spans.covered) - 1) / spans.interval_seconds) AS missing_rows
   FROM ( SELECT imports.site,
            imports.first_time,
            imports.interval_seconds,
            max(imports.last_time) OVER (PARTITION BY imports.site ORDER BY imports.first_time, imports.last_time ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING) AS covered
           FROM public.imports) spans
  WHERE ((spans.first_time > spans.covered) AND ((spans.first_time - spans.covered) > spans.interval_seconds));


--
-- Name: VIEW site_gaps; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON VIEW public.site_gaps IS 'Stretches longer than the interval that no stored log of a site covers.';


--
-- Name: COLUMN site_gaps.site; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.site_gaps.site IS 'The site.';


--
-- Name: COLUMN site_gaps.gap_after; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.site_gaps.gap_after IS 'The last row time before the gap (civil time).';


--
-- Name: COLUMN site_gaps.gap_until; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.site_gaps.gap_until IS 'The first row time after it (civil time).';


--
-- Name: COLUMN site_gaps.missing_rows; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.site_gaps.missing_rows IS 'Rows of the interval of the log after the gap that are missing.';


--
-- Name: unit_texts; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.unit_texts (
    units text NOT NULL,
    type_name text NOT NULL,
    unit text NOT NULL
);


--
-- Name: TABLE unit_texts; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.unit_texts IS 'The unit text of a units letter on a device type, where the type fixes what the letter means; any other letter is its own unit.';


--
-- Name: COLUMN unit_texts.units; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.unit_texts.units IS 'The units letter.';


--
-- Name: COLUMN unit_texts.type_name; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.unit_texts.type_name IS 'The device type.';


--
-- Name: COLUMN unit_texts.unit; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.unit_texts.unit IS 'The unit (UTF-8): degrees Celsius or Fahrenheit, bar.';


--
-- Name: zerb32_store; Type: TABLE; Schema: public; Owner: -
--

CREATE TABLE public.zerb32_store (
    schema_version integer NOT NULL,
    created_at timestamp with time zone DEFAULT now() NOT NULL
);


--
-- Name: TABLE zerb32_store; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON TABLE public.zerb32_store IS 'The store''s mark and schema version.';


--
-- Name: COLUMN zerb32_store.schema_version; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.zerb32_store.schema_version IS 'The schema version of the store''s tables.';


--
-- Name: COLUMN zerb32_store.created_at; Type: COMMENT; Schema: public; Owner: -
--

COMMENT ON COLUMN public.zerb32_store.created_at IS 'When the store was made.';


--
-- Data for Name: channels; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.channels (site, kind, key, name, type_name, units, exponent, digital, source_end, source_hash) FROM stdin;
42	0	8	Outside	TS4-C	C	-1	f	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	0	11	Duct Press	SDPL	P	-1	f	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	0	17	Office	TS1V2	C	-1	f	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	0	18	Humidity	RHS5V	%	0	f	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	0	26	SENSOR3/3	TS4-C	C	-1	f	-9223372036854775808	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	1	8	Heating	ON/OFF	%	0	t	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	1	9	Valve/LTHW	VARIABLE	%	-1	f	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
42	2	1570	Setpoint	ASM	 	-1	f	1796040000	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16
\.


--
-- Data for Name: conflicts; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.conflicts (site, kind, key, "time", kept_raw, other_raw, kept_import, other_import) FROM stdin;
\.


--
-- Data for Name: holdings; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.holdings (site, kind, key, first_time, last_time, import) FROM stdin;
42	0	8	1795867200	1796040000	1
42	0	11	1795867200	1796040000	1
42	0	17	1795867200	1796040000	1
42	0	18	1795867200	1796040000	1
42	0	26	1795867200	1796040000	1
42	1	8	1795867200	1796040000	1
42	1	9	1795867200	1796040000	1
42	2	1570	1795867200	1796040000	1
\.


--
-- Data for Name: import_channels; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.import_channels (import, "position", kind, key, name, type_code, exp_byte, units_byte, description, meaning) FROM stdin;
1	0	0	8	Outside	2	0	32	site	1
1	1	0	11	Duct Press	22	0	32	site	2
1	2	0	17	Office	11	0	32	site	3
1	3	0	18	Humidity	4	0	32	site	4
1	4	0	26	SENSOR3/3	2	0	32	default	5
1	5	1	8	Heating	0	0	37	site	6
1	6	1	9	Valve/LTHW	1	-1	37	site	7
1	7	2	1570	Setpoint	0	-1	67	site	8
\.


--
-- Data for Name: imports; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.imports (id, site, content_hash, log_path, site_file, time_base, first_time, last_time, interval_seconds, readings, conflicts, imported_at, site_description, legacy_hash, utc_offset) FROM stdin;
1	42	0db4eba0121aed7cdf5c4f63568f81d5d66cb1cf6cfedc62aa2f18d450d5aa16	42.log	42.STE	PC	1795867200	1796040000	300	4616	0	2026-12-08 21:19:10.140875+00	complete	\N	\N
\.


--
-- Data for Name: meaning_labels; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.meaning_labels (meaning, kind, channel, unit) FROM stdin;
1	sensor	Outside	°C
2	sensor	Duct Press	P
3	sensor	Office	°C
4	sensor	Humidity	%
5	sensor	SENSOR3/3	°C
6	output	Heating	%
7	output	Valve/LTHW	%
8	asm	Setpoint	
\.


--
-- Data for Name: meanings; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.meanings (id, site, kind, key, type_name, units, exponent, digital) FROM stdin;
1	42	0	8	TS4-C	C	-1	f
2	42	0	11	SDPL	P	-1	f
3	42	0	17	TS1V2	C	-1	f
4	42	0	18	RHS5V	%	0	f
5	42	0	26	TS4-C	C	-1	f
6	42	1	8	ON/OFF	%	0	t
7	42	1	9	VARIABLE	%	-1	f
8	42	2	1570	ASM	 	-1	f
\.


--
-- Data for Name: readings; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.readings (site, kind, key, "time", raw, value, exponent, import, meaning) FROM stdin;
42	0	8	1795867200	639	92	-1	1	1
42	0	11	1795867200	69	120	-1	1	2
42	0	17	1795867200	122	190	-1	1	3
42	0	18	1795867200	465	47	0	1	4
42	0	26	1795867200	430	274	-1	1	5
42	1	8	1795867200	2	100	0	1	6
42	1	9	1795867200	937	937	-1	1	7
42	2	1570	1795867200	210	210	-1	1	8
42	0	8	1795867500	637	94	-1	1	1
42	0	11	1795867500	70	126	-1	1	2
42	0	17	1795867500	123	195	-1	1	3
42	0	18	1795867500	465	47	0	1	4
42	0	26	1795867500	430	274	-1	1	5
42	1	8	1795867500	2	100	0	1	6
42	1	9	1795867500	874	874	-1	1	7
42	2	1570	1795867500	210	210	-1	1	8
42	0	8	1795867800	635	96	-1	1	1
42	0	11	1795867800	70	126	-1	1	2
42	0	17	1795867800	123	195	-1	1	3
42	0	18	1795867800	465	47	0	1	4
42	0	26	1795867800	430	274	-1	1	5
42	1	8	1795867800	2	100	0	1	6
42	1	9	1795867800	810	810	-1	1	7
42	2	1570	1795867800	210	210	-1	1	8
42	0	8	1795868100	635	96	-1	1	1
42	0	11	1795868100	70	126	-1	1	2
42	0	17	1795868100	124	200	-1	1	3
42	0	18	1795868100	475	48	0	1	4
42	0	26	1795868100	430	274	-1	1	5
42	1	8	1795868100	2	100	0	1	6
42	1	9	1795868100	747	747	-1	1	7
42	2	1570	1795868100	210	210	-1	1	8
42	0	8	1795868400	636	95	-1	1	1
42	0	11	1795868400	70	126	-1	1	2
42	0	17	1795868400	124	200	-1	1	3
42	0	18	1795868400	475	48	0	1	4
42	0	26	1795868400	430	274	-1	1	5
42	1	8	1795868400	2	100	0	1	6
42	1	9	1795868400	685	685	-1	1	7
42	2	1570	1795868400	210	210	-1	1	8
42	0	8	1795868700	637	94	-1	1	1
42	0	11	1795868700	70	126	-1	1	2
42	0	17	1795868700	125	205	-1	1	3
42	0	18	1795868700	475	48	0	1	4
42	0	26	1795868700	430	274	-1	1	5
42	1	8	1795868700	2	100	0	1	6
42	1	9	1795868700	622	622	-1	1	7
42	2	1570	1795868700	210	210	-1	1	8
42	0	8	1795869000	638	93	-1	1	1
42	0	11	1795869000	69	120	-1	1	2
42	0	17	1795869000	125	205	-1	1	3
42	0	18	1795869000	465	47	0	1	4
42	0	26	1795869000	430	274	-1	1	5
42	1	8	1795869000	2	100	0	1	6
42	1	9	1795869000	561	561	-1	1	7
42	2	1570	1795869000	210	210	-1	1	8
42	0	8	1795869300	638	93	-1	1	1
42	0	11	1795869300	69	120	-1	1	2
42	0	17	1795869300	125	205	-1	1	3
42	0	18	1795869300	465	47	0	1	4
42	0	26	1795869300	430	274	-1	1	5
42	1	8	1795869300	2	100	0	1	6
42	1	9	1795869300	499	499	-1	1	7
42	2	1570	1795869300	210	210	-1	1	8
42	0	8	1795869600	636	95	-1	1	1
42	0	11	1795869600	68	113	-1	1	2
42	0	17	1795869600	126	210	-1	1	3
42	0	18	1795869600	455	46	0	1	4
42	0	26	1795869600	430	274	-1	1	5
42	1	8	1795869600	2	100	0	1	6
42	1	9	1795869600	437	437	-1	1	7
42	2	1570	1795869600	210	210	-1	1	8
42	0	8	1795869900	634	97	-1	1	1
42	0	11	1795869900	68	113	-1	1	2
42	0	17	1795869900	126	210	-1	1	3
42	0	18	1795869900	455	46	0	1	4
42	0	26	1795869900	430	274	-1	1	5
42	1	8	1795869900	2	100	0	1	6
42	1	9	1795869900	376	376	-1	1	7
42	2	1570	1795869900	210	210	-1	1	8
42	0	8	1795870200	630	100	-1	1	1
42	0	11	1795870200	68	113	-1	1	2
42	0	17	1795870200	127	215	-1	1	3
42	0	18	1795870200	445	45	0	1	4
42	0	26	1795870200	430	274	-1	1	5
42	1	8	1795870200	2	100	0	1	6
42	1	9	1795870200	314	314	-1	1	7
42	2	1570	1795870200	210	210	-1	1	8
42	0	8	1795870500	629	101	-1	1	1
42	0	11	1795870500	68	113	-1	1	2
42	0	17	1795870500	127	215	-1	1	3
42	0	18	1795870500	435	44	0	1	4
42	0	26	1795870500	430	274	-1	1	5
42	1	8	1795870500	2	100	0	1	6
42	1	9	1795870500	252	252	-1	1	7
42	2	1570	1795870500	210	210	-1	1	8
42	0	8	1795870800	628	102	-1	1	1
42	0	11	1795870800	69	120	-1	1	2
42	0	17	1795870800	127	215	-1	1	3
42	0	18	1795870800	435	44	0	1	4
42	0	26	1795870800	430	274	-1	1	5
42	1	8	1795870800	2	100	0	1	6
42	1	9	1795870800	191	191	-1	1	7
42	2	1570	1795870800	210	210	-1	1	8
42	0	8	1795871100	630	100	-1	1	1
42	0	11	1795871100	69	120	-1	1	2
42	0	17	1795871100	127	215	-1	1	3
42	0	18	1795871100	425	43	0	1	4
42	0	26	1795871100	463	244	-1	1	5
42	1	8	1795871100	0	0	0	1	6
42	1	9	1795871100	0	0	-1	1	7
42	2	1570	1795871100	210	210	-1	1	8
42	0	8	1795871400	631	99	-1	1	1
42	0	11	1795871400	70	126	-1	1	2
42	0	17	1795871400	127	215	-1	1	3
42	0	18	1795871400	415	42	0	1	4
42	0	26	1795871400	463	244	-1	1	5
42	1	8	1795871400	0	0	0	1	6
42	1	9	1795871400	0	0	-1	1	7
42	2	1570	1795871400	210	210	-1	1	8
42	0	8	1795871700	633	98	-1	1	1
42	0	11	1795871700	70	126	-1	1	2
42	0	17	1795871700	126	210	-1	1	3
42	0	18	1795871700	415	42	0	1	4
42	0	26	1795871700	463	244	-1	1	5
42	1	8	1795871700	0	0	0	1	6
42	1	9	1795871700	0	0	-1	1	7
42	2	1570	1795871700	210	210	-1	1	8
42	0	8	1795872000	633	98	-1	1	1
42	0	11	1795872000	70	126	-1	1	2
42	0	17	1795872000	126	210	-1	1	3
42	0	18	1795872000	415	42	0	1	4
42	0	26	1795872000	462	245	-1	1	5
42	1	8	1795872000	0	0	0	1	6
42	1	9	1795872000	0	0	-1	1	7
42	2	1570	1795872000	210	210	-1	1	8
42	0	8	1795872300	631	99	-1	1	1
42	0	11	1795872300	70	126	-1	1	2
42	0	17	1795872300	126	210	-1	1	3
42	0	18	1795872300	415	42	0	1	4
42	0	26	1795872300	462	245	-1	1	5
42	1	8	1795872300	0	0	0	1	6
42	1	9	1795872300	0	0	-1	1	7
42	2	1570	1795872300	210	210	-1	1	8
42	0	8	1795872600	628	102	-1	1	1
42	0	11	1795872600	70	126	-1	1	2
42	0	17	1795872600	125	205	-1	1	3
42	0	18	1795872600	425	43	0	1	4
42	0	26	1795872600	462	245	-1	1	5
42	1	8	1795872600	0	0	0	1	6
42	1	9	1795872600	0	0	-1	1	7
42	2	1570	1795872600	210	210	-1	1	8
42	0	8	1795872900	626	104	-1	1	1
42	0	11	1795872900	69	120	-1	1	2
42	0	17	1795872900	125	205	-1	1	3
42	0	18	1795872900	425	43	0	1	4
42	0	26	1795872900	462	245	-1	1	5
42	1	8	1795872900	0	0	0	1	6
42	1	9	1795872900	0	0	-1	1	7
42	2	1570	1795872900	210	210	-1	1	8
42	0	8	1795873200	625	105	-1	1	1
42	0	11	1795873200	68	113	-1	1	2
42	0	17	1795873200	125	205	-1	1	3
42	0	18	1795873200	435	44	0	1	4
42	0	26	1795873200	462	245	-1	1	5
42	1	8	1795873200	0	0	0	1	6
42	1	9	1795873200	0	0	-1	1	7
42	2	1570	1795873200	210	210	-1	1	8
42	0	8	1795873500	625	105	-1	1	1
42	0	11	1795873500	68	113	-1	1	2
42	0	17	1795873500	125	205	-1	1	3
42	0	18	1795873500	435	44	0	1	4
42	0	26	1795873500	429	275	-1	1	5
42	1	8	1795873500	2	100	0	1	6
42	1	9	1795873500	522	522	-1	1	7
42	2	1570	1795873500	210	210	-1	1	8
42	0	8	1795873800	626	104	-1	1	1
42	0	11	1795873800	68	113	-1	1	2
42	0	17	1795873800	126	210	-1	1	3
42	0	18	1795873800	445	45	0	1	4
42	0	26	1795873800	429	275	-1	1	5
42	1	8	1795873800	2	100	0	1	6
42	1	9	1795873800	459	459	-1	1	7
42	2	1570	1795873800	210	210	-1	1	8
42	0	8	1795874100	628	102	-1	1	1
42	0	11	1795874100	68	113	-1	1	2
42	0	17	1795874100	126	210	-1	1	3
42	0	18	1795874100	445	45	0	1	4
42	0	26	1795874100	429	275	-1	1	5
42	1	8	1795874100	2	100	0	1	6
42	1	9	1795874100	397	397	-1	1	7
42	2	1570	1795874100	210	210	-1	1	8
42	0	8	1795874400	629	101	-1	1	1
42	0	11	1795874400	68	113	-1	1	2
42	0	17	1795874400	126	210	-1	1	3
42	0	18	1795874400	445	45	0	1	4
42	0	26	1795874400	429	275	-1	1	5
42	1	8	1795874400	2	100	0	1	6
42	1	9	1795874400	335	335	-1	1	7
42	2	1570	1795874400	210	210	-1	1	8
42	0	8	1795874700	629	101	-1	1	1
42	0	11	1795874700	69	120	-1	1	2
42	0	17	1795874700	127	215	-1	1	3
42	0	18	1795874700	445	45	0	1	4
42	0	26	1795874700	429	275	-1	1	5
42	1	8	1795874700	2	100	0	1	6
42	1	9	1795874700	273	273	-1	1	7
42	2	1570	1795874700	210	210	-1	1	8
42	0	8	1795875000	628	102	-1	1	1
42	0	11	1795875000	70	126	-1	1	2
42	0	17	1795875000	127	215	-1	1	3
42	0	18	1795875000	445	45	0	1	4
42	0	26	1795875000	429	275	-1	1	5
42	1	8	1795875000	2	100	0	1	6
42	1	9	1795875000	212	212	-1	1	7
42	2	1570	1795875000	210	210	-1	1	8
42	0	8	1795875300	626	104	-1	1	1
42	0	11	1795875300	70	126	-1	1	2
42	0	17	1795875300	127	215	-1	1	3
42	0	18	1795875300	445	45	0	1	4
42	0	26	1795875300	462	245	-1	1	5
42	1	8	1795875300	0	0	0	1	6
42	1	9	1795875300	0	0	-1	1	7
42	2	1570	1795875300	210	210	-1	1	8
42	0	8	1795875600	623	106	-1	1	1
42	0	11	1795875600	70	126	-1	1	2
42	0	17	1795875600	127	215	-1	1	3
42	0	18	1795875600	445	45	0	1	4
42	0	26	1795875600	462	245	-1	1	5
42	1	8	1795875600	0	0	0	1	6
42	1	9	1795875600	0	0	-1	1	7
42	2	1570	1795875600	210	210	-1	1	8
42	0	8	1795875900	622	107	-1	1	1
42	0	11	1795875900	70	126	-1	1	2
42	0	17	1795875900	126	210	-1	1	3
42	0	18	1795875900	435	44	0	1	4
42	0	26	1795875900	462	245	-1	1	5
42	1	8	1795875900	0	0	0	1	6
42	1	9	1795875900	0	0	-1	1	7
42	2	1570	1795875900	210	210	-1	1	8
42	0	8	1795876200	622	107	-1	1	1
42	0	11	1795876200	70	126	-1	1	2
42	0	17	1795876200	126	210	-1	1	3
42	0	18	1795876200	425	43	0	1	4
42	0	26	1795876200	462	245	-1	1	5
42	1	8	1795876200	0	0	0	1	6
42	1	9	1795876200	0	0	-1	1	7
42	2	1570	1795876200	210	210	-1	1	8
42	0	8	1795876500	623	106	-1	1	1
42	0	11	1795876500	69	120	-1	1	2
42	0	17	1795876500	126	210	-1	1	3
42	0	18	1795876500	425	43	0	1	4
42	0	26	1795876500	462	245	-1	1	5
42	1	8	1795876500	0	0	0	1	6
42	1	9	1795876500	0	0	-1	1	7
42	2	1570	1795876500	210	210	-1	1	8
42	0	8	1795876800	626	104	-1	1	1
42	0	11	1795876800	69	120	-1	1	2
42	0	17	1795876800	125	205	-1	1	3
42	0	18	1795876800	415	42	0	1	4
42	0	26	1795876800	462	245	-1	1	5
42	1	8	1795876800	0	0	0	1	6
42	1	9	1795876800	0	0	-1	1	7
42	2	1570	1795876800	210	210	-1	1	8
42	0	8	1795877100	628	102	-1	1	1
42	0	11	1795877100	68	113	-1	1	2
42	0	17	1795877100	125	205	-1	1	3
42	0	18	1795877100	415	42	0	1	4
42	0	26	1795877100	462	245	-1	1	5
42	1	8	1795877100	0	0	0	1	6
42	1	9	1795877100	0	0	-1	1	7
42	2	1570	1795877100	210	210	-1	1	8
42	0	8	1795877400	628	102	-1	1	1
42	0	11	1795877400	68	113	-1	1	2
42	0	17	1795877400	125	205	-1	1	3
42	0	18	1795877400	405	41	0	1	4
42	0	26	1795877400	429	275	-1	1	5
42	1	8	1795877400	2	100	0	1	6
42	1	9	1795877400	490	490	-1	1	7
42	2	1570	1795877400	210	210	-1	1	8
42	0	8	1795877700	627	103	-1	1	1
42	0	11	1795877700	68	113	-1	1	2
42	0	17	1795877700	126	210	-1	1	3
42	0	18	1795877700	405	41	0	1	4
42	0	26	1795877700	429	275	-1	1	5
42	1	8	1795877700	2	100	0	1	6
42	1	9	1795877700	428	428	-1	1	7
42	2	1570	1795877700	210	210	-1	1	8
42	0	8	1795878000	625	105	-1	1	1
42	0	11	1795878000	68	113	-1	1	2
42	0	17	1795878000	126	210	-1	1	3
42	0	18	1795878000	405	41	0	1	4
42	0	26	1795878000	429	275	-1	1	5
42	1	8	1795878000	2	100	0	1	6
42	1	9	1795878000	365	365	-1	1	7
42	2	1570	1795878000	210	210	-1	1	8
42	0	8	1795878300	622	107	-1	1	1
42	0	11	1795878300	69	120	-1	1	2
42	0	17	1795878300	127	215	-1	1	3
42	0	18	1795878300	405	41	0	1	4
42	0	26	1795878300	429	275	-1	1	5
42	1	8	1795878300	2	100	0	1	6
42	1	9	1795878300	303	303	-1	1	7
42	2	1570	1795878300	210	210	-1	1	8
42	0	8	1795878600	621	108	-1	1	1
42	0	11	1795878600	69	120	-1	1	2
42	0	17	1795878600	127	215	-1	1	3
42	0	18	1795878600	415	42	0	1	4
42	0	26	1795878600	429	275	-1	1	5
42	1	8	1795878600	2	100	0	1	6
42	1	9	1795878600	240	240	-1	1	7
42	2	1570	1795878600	210	210	-1	1	8
42	0	8	1795878900	622	107	-1	1	1
42	0	11	1795878900	70	126	-1	1	2
42	0	17	1795878900	127	215	-1	1	3
42	0	18	1795878900	415	42	0	1	4
42	0	26	1795878900	462	245	-1	1	5
42	1	8	1795878900	0	0	0	1	6
42	1	9	1795878900	0	0	-1	1	7
42	2	1570	1795878900	210	210	-1	1	8
42	0	8	1795879200	623	106	-1	1	1
42	0	11	1795879200	70	126	-1	1	2
42	0	17	1795879200	126	210	-1	1	3
42	0	18	1795879200	425	43	0	1	4
42	0	26	1795879200	462	245	-1	1	5
42	1	8	1795879200	0	0	0	1	6
42	1	9	1795879200	0	0	-1	1	7
42	2	1570	1795879200	210	210	-1	1	8
42	0	8	1795879500	627	103	-1	1	1
42	0	11	1795879500	70	126	-1	1	2
42	0	17	1795879500	126	210	-1	1	3
42	0	18	1795879500	425	43	0	1	4
42	0	26	1795879500	462	245	-1	1	5
42	1	8	1795879500	0	0	0	1	6
42	1	9	1795879500	0	0	-1	1	7
42	2	1570	1795879500	210	210	-1	1	8
42	0	8	1795879800	628	102	-1	1	1
42	0	11	1795879800	70	126	-1	1	2
42	0	17	1795879800	126	210	-1	1	3
42	0	18	1795879800	435	44	0	1	4
42	0	26	1795879800	462	245	-1	1	5
42	1	8	1795879800	0	0	0	1	6
42	1	9	1795879800	0	0	-1	1	7
42	2	1570	1795879800	210	210	-1	1	8
42	0	8	1795880100	628	102	-1	1	1
42	0	11	1795880100	70	126	-1	1	2
42	0	17	1795880100	125	205	-1	1	3
42	0	18	1795880100	445	45	0	1	4
42	0	26	1795880100	462	245	-1	1	5
42	1	8	1795880100	0	0	0	1	6
42	1	9	1795880100	0	0	-1	1	7
42	2	1570	1795880100	210	210	-1	1	8
42	0	8	1795880400	627	103	-1	1	1
42	0	11	1795880400	69	120	-1	1	2
42	0	17	1795880400	125	205	-1	1	3
42	0	18	1795880400	445	45	0	1	4
42	0	26	1795880400	462	245	-1	1	5
42	1	8	1795880400	0	0	0	1	6
42	1	9	1795880400	0	0	-1	1	7
42	2	1570	1795880400	210	210	-1	1	8
42	0	8	1795880700	626	104	-1	1	1
42	0	11	1795880700	68	113	-1	1	2
42	0	17	1795880700	125	205	-1	1	3
42	0	18	1795880700	445	45	0	1	4
42	0	26	1795880700	462	245	-1	1	5
42	1	8	1795880700	0	0	0	1	6
42	1	9	1795880700	0	0	-1	1	7
42	2	1570	1795880700	210	210	-1	1	8
42	0	8	1795881000	623	106	-1	1	1
42	0	11	1795881000	68	113	-1	1	2
42	0	17	1795881000	125	205	-1	1	3
42	0	18	1795881000	445	45	0	1	4
42	0	26	1795881000	429	275	-1	1	5
42	1	8	1795881000	2	100	0	1	6
42	1	9	1795881000	519	519	-1	1	7
42	2	1570	1795881000	210	210	-1	1	8
42	0	8	1795881300	622	107	-1	1	1
42	0	11	1795881300	68	113	-1	1	2
42	0	17	1795881300	126	210	-1	1	3
42	0	18	1795881300	445	45	0	1	4
42	0	26	1795881300	429	275	-1	1	5
42	1	8	1795881300	2	100	0	1	6
42	1	9	1795881300	456	456	-1	1	7
42	2	1570	1795881300	210	210	-1	1	8
42	0	8	1795881600	623	106	-1	1	1
42	0	11	1795881600	68	113	-1	1	2
42	0	17	1795881600	126	210	-1	1	3
42	0	18	1795881600	445	45	0	1	4
42	0	26	1795881600	429	275	-1	1	5
42	1	8	1795881600	2	100	0	1	6
42	1	9	1795881600	393	393	-1	1	7
42	2	1570	1795881600	210	210	-1	1	8
42	0	8	1795881900	626	104	-1	1	1
42	0	11	1795881900	68	113	-1	1	2
42	0	17	1795881900	126	210	-1	1	3
42	0	18	1795881900	435	44	0	1	4
42	0	26	1795881900	429	275	-1	1	5
42	1	8	1795881900	2	100	0	1	6
42	1	9	1795881900	331	331	-1	1	7
42	2	1570	1795881900	210	210	-1	1	8
42	0	8	1795882200	628	102	-1	1	1
42	0	11	1795882200	69	120	-1	1	2
42	0	17	1795882200	127	215	-1	1	3
42	0	18	1795882200	435	44	0	1	4
42	0	26	1795882200	429	275	-1	1	5
42	1	8	1795882200	2	100	0	1	6
42	1	9	1795882200	269	269	-1	1	7
42	2	1570	1795882200	210	210	-1	1	8
42	0	8	1795882500	630	100	-1	1	1
42	0	11	1795882500	69	120	-1	1	2
42	0	17	1795882500	127	215	-1	1	3
42	0	18	1795882500	425	43	0	1	4
42	0	26	1795882500	429	275	-1	1	5
42	1	8	1795882500	2	100	0	1	6
42	1	9	1795882500	208	208	-1	1	7
42	2	1570	1795882500	210	210	-1	1	8
42	0	8	1795882800	631	99	-1	1	1
42	0	11	1795882800	70	126	-1	1	2
42	0	17	1795882800	127	215	-1	1	3
42	0	18	1795882800	425	43	0	1	4
42	0	26	1795882800	462	245	-1	1	5
42	1	8	1795882800	0	0	0	1	6
42	1	9	1795882800	0	0	-1	1	7
42	2	1570	1795882800	210	210	-1	1	8
42	0	8	1795883100	630	100	-1	1	1
42	0	11	1795883100	70	126	-1	1	2
42	0	17	1795883100	127	215	-1	1	3
42	0	18	1795883100	415	42	0	1	4
42	0	26	1795883100	462	245	-1	1	5
42	1	8	1795883100	0	0	0	1	6
42	1	9	1795883100	0	0	-1	1	7
42	2	1570	1795883100	210	210	-1	1	8
42	0	8	1795883400	628	102	-1	1	1
42	0	11	1795883400	70	126	-1	1	2
42	0	17	1795883400	126	210	-1	1	3
42	0	18	1795883400	415	42	0	1	4
42	0	26	1795883400	462	245	-1	1	5
42	1	8	1795883400	0	0	0	1	6
42	1	9	1795883400	0	0	-1	1	7
42	2	1570	1795883400	210	210	-1	1	8
42	0	8	1795883700	627	103	-1	1	1
42	0	11	1795883700	70	126	-1	1	2
42	0	17	1795883700	126	210	-1	1	3
42	0	18	1795883700	415	42	0	1	4
42	0	26	1795883700	462	245	-1	1	5
42	1	8	1795883700	0	0	0	1	6
42	1	9	1795883700	0	0	-1	1	7
42	2	1570	1795883700	210	210	-1	1	8
42	0	8	1795884000	626	104	-1	1	1
42	0	11	1795884000	69	120	-1	1	2
42	0	17	1795884000	126	210	-1	1	3
42	0	18	1795884000	415	42	0	1	4
42	0	26	1795884000	462	245	-1	1	5
42	1	8	1795884000	0	0	0	1	6
42	1	9	1795884000	0	0	-1	1	7
42	2	1570	1795884000	210	210	-1	1	8
42	0	8	1795884300	627	103	-1	1	1
42	0	11	1795884300	69	120	-1	1	2
42	0	17	1795884300	125	205	-1	1	3
42	0	18	1795884300	415	42	0	1	4
42	0	26	1795884300	463	244	-1	1	5
42	1	8	1795884300	0	0	0	1	6
42	1	9	1795884300	0	0	-1	1	7
42	2	1570	1795884300	210	210	-1	1	8
42	0	8	1795884600	629	101	-1	1	1
42	0	11	1795884600	68	113	-1	1	2
42	0	17	1795884600	125	205	-1	1	3
42	0	18	1795884600	425	43	0	1	4
42	0	26	1795884600	463	244	-1	1	5
42	1	8	1795884600	0	0	0	1	6
42	1	9	1795884600	0	0	-1	1	7
42	2	1570	1795884600	210	210	-1	1	8
42	0	8	1795884900	633	98	-1	1	1
42	0	11	1795884900	68	113	-1	1	2
42	0	17	1795884900	125	205	-1	1	3
42	0	18	1795884900	425	43	0	1	4
42	0	26	1795884900	430	274	-1	1	5
42	1	8	1795884900	2	100	0	1	6
42	1	9	1795884900	490	490	-1	1	7
42	2	1570	1795884900	210	210	-1	1	8
42	0	8	1795885200	635	96	-1	1	1
42	0	11	1795885200	68	113	-1	1	2
42	0	17	1795885200	126	210	-1	1	3
42	0	18	1795885200	435	44	0	1	4
42	0	26	1795885200	430	274	-1	1	5
42	1	8	1795885200	2	100	0	1	6
42	1	9	1795885200	428	428	-1	1	7
42	2	1570	1795885200	210	210	-1	1	8
42	0	8	1795885500	635	96	-1	1	1
42	0	11	1795885500	68	113	-1	1	2
42	0	17	1795885500	126	210	-1	1	3
42	0	18	1795885500	445	45	0	1	4
42	0	26	1795885500	430	274	-1	1	5
42	1	8	1795885500	2	100	0	1	6
42	1	9	1795885500	366	366	-1	1	7
42	2	1570	1795885500	210	210	-1	1	8
42	0	8	1795885800	635	96	-1	1	1
42	0	11	1795885800	69	120	-1	1	2
42	0	17	1795885800	127	215	-1	1	3
42	0	18	1795885800	455	46	0	1	4
42	0	26	1795885800	430	274	-1	1	5
42	1	8	1795885800	2	100	0	1	6
42	1	9	1795885800	305	305	-1	1	7
42	2	1570	1795885800	210	210	-1	1	8
42	0	8	1795886100	633	98	-1	1	1
42	0	11	1795886100	69	120	-1	1	2
42	0	17	1795886100	127	215	-1	1	3
42	0	18	1795886100	455	46	0	1	4
42	0	26	1795886100	430	274	-1	1	5
42	1	8	1795886100	2	100	0	1	6
42	1	9	1795886100	244	244	-1	1	7
42	2	1570	1795886100	210	210	-1	1	8
42	0	8	1795886400	631	99	-1	1	1
42	0	11	1795886400	70	126	-1	1	2
42	0	17	1795886400	127	215	-1	1	3
42	0	18	1795886400	465	47	0	1	4
42	0	26	1795886400	463	244	-1	1	5
42	1	8	1795886400	0	0	0	1	6
42	1	9	1795886400	0	0	-1	1	7
42	2	1570	1795886400	210	210	-1	1	8
42	0	8	1795886700	631	99	-1	1	1
42	0	11	1795886700	70	126	-1	1	2
42	0	17	1795886700	126	210	-1	1	3
42	0	18	1795886700	465	47	0	1	4
42	0	26	1795886700	463	244	-1	1	5
42	1	8	1795886700	0	0	0	1	6
42	1	9	1795886700	0	0	-1	1	7
42	2	1570	1795886700	210	210	-1	1	8
42	0	8	1795887000	633	98	-1	1	1
42	0	11	1795887000	70	126	-1	1	2
42	0	17	1795887000	126	210	-1	1	3
42	0	18	1795887000	465	47	0	1	4
42	0	26	1795887000	463	244	-1	1	5
42	1	8	1795887000	0	0	0	1	6
42	1	9	1795887000	0	0	-1	1	7
42	2	1570	1795887000	210	210	-1	1	8
42	0	8	1795887300	635	96	-1	1	1
42	0	11	1795887300	70	126	-1	1	2
42	0	17	1795887300	126	210	-1	1	3
42	0	18	1795887300	475	48	0	1	4
42	0	26	1795887300	463	244	-1	1	5
42	1	8	1795887300	0	0	0	1	6
42	1	9	1795887300	0	0	-1	1	7
42	2	1570	1795887300	210	210	-1	1	8
42	0	8	1795887600	638	93	-1	1	1
42	0	11	1795887600	70	126	-1	1	2
42	0	17	1795887600	125	205	-1	1	3
42	0	18	1795887600	465	47	0	1	4
42	0	26	1795887600	463	244	-1	1	5
42	1	8	1795887600	0	0	0	1	6
42	1	9	1795887600	0	0	-1	1	7
42	2	1570	1795887600	210	210	-1	1	8
42	0	8	1795887900	641	91	-1	1	1
42	0	11	1795887900	69	120	-1	1	2
42	0	17	1795887900	125	205	-1	1	3
42	0	18	1795887900	465	47	0	1	4
42	0	26	1795887900	463	244	-1	1	5
42	1	8	1795887900	0	0	0	1	6
42	1	9	1795887900	0	0	-1	1	7
42	2	1570	1795887900	210	210	-1	1	8
42	0	8	1795888200	642	90	-1	1	1
42	0	11	1795888200	69	120	-1	1	2
42	0	17	1795888200	125	205	-1	1	3
42	0	18	1795888200	465	47	0	1	4
42	0	26	1795888200	463	244	-1	1	5
42	1	8	1795888200	0	0	0	1	6
42	1	9	1795888200	0	0	-1	1	7
42	2	1570	1795888200	210	210	-1	1	8
42	0	8	1795888500	641	91	-1	1	1
42	0	11	1795888500	68	113	-1	1	2
42	0	17	1795888500	125	205	-1	1	3
42	0	18	1795888500	455	46	0	1	4
42	0	26	1795888500	430	274	-1	1	5
42	1	8	1795888500	2	100	0	1	6
42	1	9	1795888500	531	531	-1	1	7
42	2	1570	1795888500	210	210	-1	1	8
42	0	8	1795888800	639	92	-1	1	1
42	0	11	1795888800	68	113	-1	1	2
42	0	17	1795888800	126	210	-1	1	3
42	0	18	1795888800	455	46	0	1	4
42	0	26	1795888800	430	274	-1	1	5
42	1	8	1795888800	2	100	0	1	6
42	1	9	1795888800	470	470	-1	1	7
42	2	1570	1795888800	210	210	-1	1	8
42	0	8	1795889100	638	93	-1	1	1
42	0	11	1795889100	68	113	-1	1	2
42	0	17	1795889100	126	210	-1	1	3
42	0	18	1795889100	455	46	0	1	4
42	0	26	1795889100	431	273	-1	1	5
42	1	8	1795889100	2	100	0	1	6
42	1	9	1795889100	409	409	-1	1	7
42	2	1570	1795889100	210	210	-1	1	8
42	0	8	1795889400	638	93	-1	1	1
42	0	11	1795889400	68	113	-1	1	2
42	0	17	1795889400	126	210	-1	1	3
42	0	18	1795889400	445	45	0	1	4
42	0	26	1795889400	431	273	-1	1	5
42	1	8	1795889400	2	100	0	1	6
42	1	9	1795889400	348	348	-1	1	7
42	2	1570	1795889400	210	210	-1	1	8
42	0	8	1795889700	639	92	-1	1	1
42	0	11	1795889700	69	120	-1	1	2
42	0	17	1795889700	127	215	-1	1	3
42	0	18	1795889700	445	45	0	1	4
42	0	26	1795889700	431	273	-1	1	5
42	1	8	1795889700	2	100	0	1	6
42	1	9	1795889700	287	287	-1	1	7
42	2	1570	1795889700	210	210	-1	1	8
42	0	8	1795890000	642	90	-1	1	1
42	0	11	1795890000	69	120	-1	1	2
42	0	17	1795890000	127	215	-1	1	3
42	0	18	1795890000	445	45	0	1	4
42	0	26	1795890000	431	273	-1	1	5
42	1	8	1795890000	2	100	0	1	6
42	1	9	1795890000	227	227	-1	1	7
42	2	1570	1795890000	210	210	-1	1	8
42	0	8	1795890300	646	87	-1	1	1
42	0	11	1795890300	70	126	-1	1	2
42	0	17	1795890300	127	215	-1	1	3
42	0	18	1795890300	455	46	0	1	4
42	0	26	1795890300	465	243	-1	1	5
42	1	8	1795890300	0	0	0	1	6
42	1	9	1795890300	0	0	-1	1	7
42	2	1570	1795890300	210	210	-1	1	8
42	0	8	1795890600	648	85	-1	1	1
42	0	11	1795890600	70	126	-1	1	2
42	0	17	1795890600	126	210	-1	1	3
42	0	18	1795890600	455	46	0	1	4
42	0	26	1795890600	465	243	-1	1	5
42	1	8	1795890600	0	0	0	1	6
42	1	9	1795890600	0	0	-1	1	7
42	2	1570	1795890600	210	210	-1	1	8
42	0	8	1795890900	649	84	-1	1	1
42	0	11	1795890900	70	126	-1	1	2
42	0	17	1795890900	126	210	-1	1	3
42	0	18	1795890900	465	47	0	1	4
42	0	26	1795890900	465	243	-1	1	5
42	1	8	1795890900	0	0	0	1	6
42	1	9	1795890900	0	0	-1	1	7
42	2	1570	1795890900	210	210	-1	1	8
42	0	8	1795891200	649	84	-1	1	1
42	0	11	1795891200	70	126	-1	1	2
42	0	17	1795891200	126	210	-1	1	3
42	0	18	1795891200	465	47	0	1	4
42	0	26	1795891200	465	243	-1	1	5
42	1	8	1795891200	0	0	0	1	6
42	1	9	1795891200	0	0	-1	1	7
42	2	1570	1795891200	210	210	-1	1	8
42	0	8	1795891500	648	85	-1	1	1
42	0	11	1795891500	69	120	-1	1	2
42	0	17	1795891500	125	205	-1	1	3
42	0	18	1795891500	475	48	0	1	4
42	0	26	1795891500	465	243	-1	1	5
42	1	8	1795891500	0	0	0	1	6
42	1	9	1795891500	0	0	-1	1	7
42	2	1570	1795891500	210	210	-1	1	8
42	0	8	1795891800	647	86	-1	1	1
42	0	11	1795891800	69	120	-1	1	2
42	0	17	1795891800	125	205	-1	1	3
42	0	18	1795891800	485	49	0	1	4
42	0	26	1795891800	465	243	-1	1	5
42	1	8	1795891800	0	0	0	1	6
42	1	9	1795891800	0	0	-1	1	7
42	2	1570	1795891800	210	210	-1	1	8
42	0	8	1795892100	647	86	-1	1	1
42	0	11	1795892100	68	113	-1	1	2
42	0	17	1795892100	125	205	-1	1	3
42	0	18	1795892100	495	50	0	1	4
42	0	26	1795892100	465	243	-1	1	5
42	1	8	1795892100	0	0	0	1	6
42	1	9	1795892100	0	0	-1	1	7
42	2	1570	1795892100	210	210	-1	1	8
42	0	8	1795892400	648	85	-1	1	1
42	0	11	1795892400	51	2	-1	1	2
42	0	17	1795892400	124	200	-1	1	3
42	0	18	1795892400	505	51	0	1	4
42	0	26	1795892400	465	243	-1	1	5
42	1	8	1795892400	0	0	0	1	6
42	1	9	1795892400	0	0	-1	1	7
42	2	1570	1795892400	160	160	-1	1	8
42	0	8	1795892700	651	82	-1	1	1
42	0	11	1795892700	51	2	-1	1	2
42	0	17	1795892700	124	200	-1	1	3
42	0	18	1795892700	505	51	0	1	4
42	0	26	1795892700	466	242	-1	1	5
42	1	8	1795892700	0	0	0	1	6
42	1	9	1795892700	0	0	-1	1	7
42	2	1570	1795892700	160	160	-1	1	8
42	0	8	1795893000	655	79	-1	1	1
42	0	11	1795893000	51	2	-1	1	2
42	0	17	1795893000	124	200	-1	1	3
42	0	18	1795893000	505	51	0	1	4
42	0	26	1795893000	466	242	-1	1	5
42	1	8	1795893000	0	0	0	1	6
42	1	9	1795893000	0	0	-1	1	7
42	2	1570	1795893000	160	160	-1	1	8
42	0	8	1795893300	657	77	-1	1	1
42	0	11	1795893300	51	2	-1	1	2
42	0	17	1795893300	123	195	-1	1	3
42	0	18	1795893300	515	52	0	1	4
42	0	26	1795893300	466	242	-1	1	5
42	1	8	1795893300	0	0	0	1	6
42	1	9	1795893300	0	0	-1	1	7
42	2	1570	1795893300	160	160	-1	1	8
42	0	8	1795893600	658	76	-1	1	1
42	0	11	1795893600	51	2	-1	1	2
42	0	17	1795893600	123	195	-1	1	3
42	0	18	1795893600	515	52	0	1	4
42	0	26	1795893600	466	242	-1	1	5
42	1	8	1795893600	0	0	0	1	6
42	1	9	1795893600	0	0	-1	1	7
42	2	1570	1795893600	160	160	-1	1	8
42	0	8	1795893900	657	77	-1	1	1
42	0	11	1795893900	51	2	-1	1	2
42	0	17	1795893900	123	195	-1	1	3
42	0	18	1795893900	505	51	0	1	4
42	0	26	1795893900	466	242	-1	1	5
42	1	8	1795893900	0	0	0	1	6
42	1	9	1795893900	0	0	-1	1	7
42	2	1570	1795893900	160	160	-1	1	8
42	0	8	1795894200	656	78	-1	1	1
42	0	11	1795894200	51	2	-1	1	2
42	0	17	1795894200	122	190	-1	1	3
42	0	18	1795894200	505	51	0	1	4
42	0	26	1795894200	466	242	-1	1	5
42	1	8	1795894200	0	0	0	1	6
42	1	9	1795894200	0	0	-1	1	7
42	2	1570	1795894200	160	160	-1	1	8
42	0	8	1795894500	655	79	-1	1	1
42	0	11	1795894500	51	2	-1	1	2
42	0	17	1795894500	122	190	-1	1	3
42	0	18	1795894500	505	51	0	1	4
42	0	26	1795894500	466	242	-1	1	5
42	1	8	1795894500	0	0	0	1	6
42	1	9	1795894500	0	0	-1	1	7
42	2	1570	1795894500	160	160	-1	1	8
42	0	8	1795894800	656	78	-1	1	1
42	0	11	1795894800	51	2	-1	1	2
42	0	17	1795894800	122	190	-1	1	3
42	0	18	1795894800	495	50	0	1	4
42	0	26	1795894800	466	242	-1	1	5
42	1	8	1795894800	0	0	0	1	6
42	1	9	1795894800	0	0	-1	1	7
42	2	1570	1795894800	160	160	-1	1	8
42	0	8	1795895100	657	77	-1	1	1
42	0	11	1795895100	51	2	-1	1	2
42	0	17	1795895100	121	185	-1	1	3
42	0	18	1795895100	495	50	0	1	4
42	0	26	1795895100	466	242	-1	1	5
42	1	8	1795895100	0	0	0	1	6
42	1	9	1795895100	0	0	-1	1	7
42	2	1570	1795895100	160	160	-1	1	8
42	0	8	1795895400	661	74	-1	1	1
42	0	11	1795895400	51	2	-1	1	2
42	0	17	1795895400	121	185	-1	1	3
42	0	18	1795895400	495	50	0	1	4
42	0	26	1795895400	466	242	-1	1	5
42	1	8	1795895400	0	0	0	1	6
42	1	9	1795895400	0	0	-1	1	7
42	2	1570	1795895400	160	160	-1	1	8
42	0	8	1795895700	664	71	-1	1	1
42	0	11	1795895700	51	2	-1	1	2
42	0	17	1795895700	121	185	-1	1	3
42	0	18	1795895700	495	50	0	1	4
42	0	26	1795895700	467	241	-1	1	5
42	1	8	1795895700	0	0	0	1	6
42	1	9	1795895700	0	0	-1	1	7
42	2	1570	1795895700	160	160	-1	1	8
42	0	8	1795896000	666	69	-1	1	1
42	0	11	1795896000	51	2	-1	1	2
42	0	17	1795896000	120	181	-1	1	3
42	0	18	1795896000	495	50	0	1	4
42	0	26	1795896000	467	241	-1	1	5
42	1	8	1795896000	0	0	0	1	6
42	1	9	1795896000	0	0	-1	1	7
42	2	1570	1795896000	160	160	-1	1	8
42	0	8	1795896300	667	68	-1	1	1
42	0	11	1795896300	51	2	-1	1	2
42	0	17	1795896300	120	181	-1	1	3
42	0	18	1795896300	495	50	0	1	4
42	0	26	1795896300	467	241	-1	1	5
42	1	8	1795896300	0	0	0	1	6
42	1	9	1795896300	0	0	-1	1	7
42	2	1570	1795896300	160	160	-1	1	8
42	0	8	1795896600	667	68	-1	1	1
42	0	11	1795896600	51	2	-1	1	2
42	0	17	1795896600	120	181	-1	1	3
42	0	18	1795896600	505	51	0	1	4
42	0	26	1795896600	467	241	-1	1	5
42	1	8	1795896600	0	0	0	1	6
42	1	9	1795896600	0	0	-1	1	7
42	2	1570	1795896600	160	160	-1	1	8
42	0	8	1795896900	666	69	-1	1	1
42	0	11	1795896900	51	2	-1	1	2
42	0	17	1795896900	119	176	-1	1	3
42	0	18	1795896900	505	51	0	1	4
42	0	26	1795896900	467	241	-1	1	5
42	1	8	1795896900	0	0	0	1	6
42	1	9	1795896900	0	0	-1	1	7
42	2	1570	1795896900	160	160	-1	1	8
42	0	8	1795897200	665	70	-1	1	1
42	0	11	1795897200	51	2	-1	1	2
42	0	17	1795897200	119	176	-1	1	3
42	0	18	1795897200	515	52	0	1	4
42	0	26	1795897200	467	241	-1	1	5
42	1	8	1795897200	0	0	0	1	6
42	1	9	1795897200	0	0	-1	1	7
42	2	1570	1795897200	160	160	-1	1	8
42	0	8	1795897500	665	70	-1	1	1
42	0	11	1795897500	51	2	-1	1	2
42	0	17	1795897500	119	176	-1	1	3
42	0	18	1795897500	525	53	0	1	4
42	0	26	1795897500	467	241	-1	1	5
42	1	8	1795897500	0	0	0	1	6
42	1	9	1795897500	0	0	-1	1	7
42	2	1570	1795897500	160	160	-1	1	8
42	0	8	1795897800	667	68	-1	1	1
42	0	11	1795897800	51	2	-1	1	2
42	0	17	1795897800	118	171	-1	1	3
42	0	18	1795897800	535	54	0	1	4
42	0	26	1795897800	467	241	-1	1	5
42	1	8	1795897800	0	0	0	1	6
42	1	9	1795897800	0	0	-1	1	7
42	2	1570	1795897800	160	160	-1	1	8
42	0	8	1795898100	671	65	-1	1	1
42	0	11	1795898100	51	2	-1	1	2
42	0	17	1795898100	118	171	-1	1	3
42	0	18	1795898100	545	55	0	1	4
42	0	26	1795898100	467	241	-1	1	5
42	1	8	1795898100	0	0	0	1	6
42	1	9	1795898100	0	0	-1	1	7
42	2	1570	1795898100	160	160	-1	1	8
42	0	8	1795898400	674	62	-1	1	1
42	0	11	1795898400	51	2	-1	1	2
42	0	17	1795898400	118	171	-1	1	3
42	0	18	1795898400	545	55	0	1	4
42	0	26	1795898400	468	240	-1	1	5
42	1	8	1795898400	0	0	0	1	6
42	1	9	1795898400	0	0	-1	1	7
42	2	1570	1795898400	160	160	-1	1	8
42	0	8	1795898700	677	60	-1	1	1
42	0	11	1795898700	51	2	-1	1	2
42	0	17	1795898700	117	166	-1	1	3
42	0	18	1795898700	555	56	0	1	4
42	0	26	1795898700	468	240	-1	1	5
42	1	8	1795898700	0	0	0	1	6
42	1	9	1795898700	0	0	-1	1	7
42	2	1570	1795898700	160	160	-1	1	8
42	0	8	1795899000	678	59	-1	1	1
42	0	11	1795899000	51	2	-1	1	2
42	0	17	1795899000	117	166	-1	1	3
42	0	18	1795899000	555	56	0	1	4
42	0	26	1795899000	468	240	-1	1	5
42	1	8	1795899000	0	0	0	1	6
42	1	9	1795899000	0	0	-1	1	7
42	2	1570	1795899000	160	160	-1	1	8
42	0	8	1795899300	677	60	-1	1	1
42	0	11	1795899300	51	2	-1	1	2
42	0	17	1795899300	117	166	-1	1	3
42	0	18	1795899300	565	57	0	1	4
42	0	26	1795899300	468	240	-1	1	5
42	1	8	1795899300	0	0	0	1	6
42	1	9	1795899300	0	0	-1	1	7
42	2	1570	1795899300	160	160	-1	1	8
42	0	8	1795899600	675	61	-1	1	1
42	0	11	1795899600	51	2	-1	1	2
42	0	17	1795899600	116	161	-1	1	3
42	0	18	1795899600	565	57	0	1	4
42	0	26	1795899600	468	240	-1	1	5
42	1	8	1795899600	0	0	0	1	6
42	1	9	1795899600	0	0	-1	1	7
42	2	1570	1795899600	160	160	-1	1	8
42	0	8	1795899900	675	61	-1	1	1
42	0	11	1795899900	51	2	-1	1	2
42	0	17	1795899900	116	161	-1	1	3
42	0	18	1795899900	565	57	0	1	4
42	0	26	1795899900	468	240	-1	1	5
42	1	8	1795899900	0	0	0	1	6
42	1	9	1795899900	0	0	-1	1	7
42	2	1570	1795899900	160	160	-1	1	8
42	0	8	1795900200	675	61	-1	1	1
42	0	11	1795900200	51	2	-1	1	2
42	0	17	1795900200	116	161	-1	1	3
42	0	18	1795900200	555	56	0	1	4
42	0	26	1795900200	468	240	-1	1	5
42	1	8	1795900200	0	0	0	1	6
42	1	9	1795900200	0	0	-1	1	7
42	2	1570	1795900200	160	160	-1	1	8
42	0	8	1795900500	678	59	-1	1	1
42	0	11	1795900500	51	2	-1	1	2
42	0	17	1795900500	115	156	-1	1	3
42	0	18	1795900500	555	56	0	1	4
42	0	26	1795900500	468	240	-1	1	5
42	1	8	1795900500	0	0	0	1	6
42	1	9	1795900500	0	0	-1	1	7
42	2	1570	1795900500	160	160	-1	1	8
42	0	8	1795900800	681	56	-1	1	1
42	0	11	1795900800	51	2	-1	1	2
42	0	17	1795900800	115	156	-1	1	3
42	0	18	1795900800	555	56	0	1	4
42	0	26	1795900800	468	240	-1	1	5
42	1	8	1795900800	0	0	0	1	6
42	1	9	1795900800	0	0	-1	1	7
42	2	1570	1795900800	160	160	-1	1	8
42	0	8	1795901100	683	54	-1	1	1
42	0	11	1795901100	51	2	-1	1	2
42	0	17	1795901100	115	156	-1	1	3
42	0	18	1795901100	545	55	0	1	4
42	0	26	1795901100	469	239	-1	1	5
42	1	8	1795901100	0	0	0	1	6
42	1	9	1795901100	0	0	-1	1	7
42	2	1570	1795901100	160	160	-1	1	8
42	0	8	1795901400	686	51	-1	1	1
42	0	11	1795901400	51	2	-1	1	2
42	0	17	1795901400	115	156	-1	1	3
42	0	18	1795901400	545	55	0	1	4
42	0	26	1795901400	436	269	-1	1	5
42	1	8	1795901400	2	100	0	1	6
42	1	9	1795901400	500	500	-1	1	7
42	2	1570	1795901400	160	160	-1	1	8
42	0	8	1795901700	687	50	-1	1	1
42	0	11	1795901700	51	2	-1	1	2
42	0	17	1795901700	116	161	-1	1	3
42	0	18	1795901700	545	55	0	1	4
42	0	26	1795901700	436	269	-1	1	5
42	1	8	1795901700	2	100	0	1	6
42	1	9	1795901700	438	438	-1	1	7
42	2	1570	1795901700	160	160	-1	1	8
42	0	8	1795902000	686	51	-1	1	1
42	0	11	1795902000	51	2	-1	1	2
42	0	17	1795902000	116	161	-1	1	3
42	0	18	1795902000	545	55	0	1	4
42	0	26	1795902000	436	269	-1	1	5
42	1	8	1795902000	2	100	0	1	6
42	1	9	1795902000	376	376	-1	1	7
42	2	1570	1795902000	160	160	-1	1	8
42	0	8	1795902300	685	52	-1	1	1
42	0	11	1795902300	51	2	-1	1	2
42	0	17	1795902300	116	161	-1	1	3
42	0	18	1795902300	545	55	0	1	4
42	0	26	1795902300	436	269	-1	1	5
42	1	8	1795902300	2	100	0	1	6
42	1	9	1795902300	314	314	-1	1	7
42	2	1570	1795902300	160	160	-1	1	8
42	0	8	1795902600	684	53	-1	1	1
42	0	11	1795902600	51	2	-1	1	2
42	0	17	1795902600	117	166	-1	1	3
42	0	18	1795902600	555	56	0	1	4
42	0	26	1795902600	436	269	-1	1	5
42	1	8	1795902600	2	100	0	1	6
42	1	9	1795902600	252	252	-1	1	7
42	2	1570	1795902600	160	160	-1	1	8
42	0	8	1795902900	685	52	-1	1	1
42	0	11	1795902900	51	2	-1	1	2
42	0	17	1795902900	117	166	-1	1	3
42	0	18	1795902900	555	56	0	1	4
42	0	26	1795902900	436	269	-1	1	5
42	1	8	1795902900	2	100	0	1	6
42	1	9	1795902900	190	190	-1	1	7
42	2	1570	1795902900	160	160	-1	1	8
42	0	8	1795903200	686	51	-1	1	1
42	0	11	1795903200	51	2	-1	1	2
42	0	17	1795903200	117	166	-1	1	3
42	0	18	1795903200	565	57	0	1	4
42	0	26	1795903200	469	239	-1	1	5
42	1	8	1795903200	0	0	0	1	6
42	1	9	1795903200	0	0	-1	1	7
42	2	1570	1795903200	160	160	-1	1	8
42	0	8	1795903500	690	48	-1	1	1
42	0	11	1795903500	51	2	-1	1	2
42	0	17	1795903500	117	166	-1	1	3
42	0	18	1795903500	575	58	0	1	4
42	0	26	1795903500	469	239	-1	1	5
42	1	8	1795903500	0	0	0	1	6
42	1	9	1795903500	0	0	-1	1	7
42	2	1570	1795903500	160	160	-1	1	8
42	0	8	1795903800	693	45	-1	1	1
42	0	11	1795903800	51	2	-1	1	2
42	0	17	1795903800	116	161	-1	1	3
42	0	18	1795903800	585	59	0	1	4
42	0	26	1795903800	470	238	-1	1	5
42	1	8	1795903800	0	0	0	1	6
42	1	9	1795903800	0	0	-1	1	7
42	2	1570	1795903800	160	160	-1	1	8
42	0	8	1795904100	695	43	-1	1	1
42	0	11	1795904100	51	2	-1	1	2
42	0	17	1795904100	116	161	-1	1	3
42	0	18	1795904100	595	60	0	1	4
42	0	26	1795904100	470	238	-1	1	5
42	1	8	1795904100	0	0	0	1	6
42	1	9	1795904100	0	0	-1	1	7
42	2	1570	1795904100	160	160	-1	1	8
42	0	8	1795904400	696	42	-1	1	1
42	0	11	1795904400	51	2	-1	1	2
42	0	17	1795904400	116	161	-1	1	3
42	0	18	1795904400	595	60	0	1	4
42	0	26	1795904400	470	238	-1	1	5
42	1	8	1795904400	0	0	0	1	6
42	1	9	1795904400	0	0	-1	1	7
42	2	1570	1795904400	160	160	-1	1	8
42	0	8	1795904700	696	42	-1	1	1
42	0	11	1795904700	51	2	-1	1	2
42	0	17	1795904700	115	156	-1	1	3
42	0	18	1795904700	605	61	0	1	4
42	0	26	1795904700	470	238	-1	1	5
42	1	8	1795904700	0	0	0	1	6
42	1	9	1795904700	0	0	-1	1	7
42	2	1570	1795904700	160	160	-1	1	8
42	0	8	1795905000	695	43	-1	1	1
42	0	11	1795905000	51	2	-1	1	2
42	0	17	1795905000	115	156	-1	1	3
42	0	18	1795905000	615	62	0	1	4
42	0	26	1795905000	470	238	-1	1	5
42	1	8	1795905000	0	0	0	1	6
42	1	9	1795905000	0	0	-1	1	7
42	2	1570	1795905000	160	160	-1	1	8
42	0	8	1795905300	694	44	-1	1	1
42	0	11	1795905300	51	2	-1	1	2
42	0	17	1795905300	114	152	-1	1	3
42	0	18	1795905300	615	62	0	1	4
42	0	26	1795905300	470	238	-1	1	5
42	1	8	1795905300	0	0	0	1	6
42	1	9	1795905300	0	0	-1	1	7
42	2	1570	1795905300	160	160	-1	1	8
42	0	8	1795905600	694	44	-1	1	1
42	0	11	1795905600	51	2	-1	1	2
42	0	17	1795905600	115	156	-1	1	3
42	0	18	1795905600	615	62	0	1	4
42	0	26	1795905600	437	268	-1	1	5
42	1	8	1795905600	2	100	0	1	6
42	1	9	1795905600	528	528	-1	1	7
42	2	1570	1795905600	160	160	-1	1	8
42	0	8	1795905900	696	42	-1	1	1
42	0	11	1795905900	51	2	-1	1	2
42	0	17	1795905900	115	156	-1	1	3
42	0	18	1795905900	615	62	0	1	4
42	0	26	1795905900	437	268	-1	1	5
42	1	8	1795905900	2	100	0	1	6
42	1	9	1795905900	467	467	-1	1	7
42	2	1570	1795905900	160	160	-1	1	8
42	0	8	1795906200	698	40	-1	1	1
42	0	11	1795906200	51	2	-1	1	2
42	0	17	1795906200	116	161	-1	1	3
42	0	18	1795906200	615	62	0	1	4
42	0	26	1795906200	437	268	-1	1	5
42	1	8	1795906200	2	100	0	1	6
42	1	9	1795906200	406	406	-1	1	7
42	2	1570	1795906200	160	160	-1	1	8
42	0	8	1795906500	702	37	-1	1	1
42	0	11	1795906500	51	2	-1	1	2
42	0	17	1795906500	116	161	-1	1	3
42	0	18	1795906500	605	61	0	1	4
42	0	26	1795906500	437	268	-1	1	5
42	1	8	1795906500	2	100	0	1	6
42	1	9	1795906500	346	346	-1	1	7
42	2	1570	1795906500	160	160	-1	1	8
42	0	8	1795906800	704	35	-1	1	1
42	0	11	1795906800	51	2	-1	1	2
42	0	17	1795906800	117	166	-1	1	3
42	0	18	1795906800	605	61	0	1	4
42	0	26	1795906800	437	268	-1	1	5
42	1	8	1795906800	2	100	0	1	6
42	1	9	1795906800	286	286	-1	1	7
42	2	1570	1795906800	160	160	-1	1	8
42	0	8	1795907100	705	34	-1	1	1
42	0	11	1795907100	51	2	-1	1	2
42	0	17	1795907100	117	166	-1	1	3
42	0	18	1795907100	595	60	0	1	4
42	0	26	1795907100	438	267	-1	1	5
42	1	8	1795907100	2	100	0	1	6
42	1	9	1795907100	227	227	-1	1	7
42	2	1570	1795907100	160	160	-1	1	8
42	0	8	1795907400	704	35	-1	1	1
42	0	11	1795907400	51	2	-1	1	2
42	0	17	1795907400	117	166	-1	1	3
42	0	18	1795907400	595	60	0	1	4
42	0	26	1795907400	471	237	-1	1	5
42	1	8	1795907400	0	0	0	1	6
42	1	9	1795907400	0	0	-1	1	7
42	2	1570	1795907400	160	160	-1	1	8
42	0	8	1795907700	703	36	-1	1	1
42	0	11	1795907700	51	2	-1	1	2
42	0	17	1795907700	116	161	-1	1	3
42	0	18	1795907700	595	60	0	1	4
42	0	26	1795907700	471	237	-1	1	5
42	1	8	1795907700	0	0	0	1	6
42	1	9	1795907700	0	0	-1	1	7
42	2	1570	1795907700	160	160	-1	1	8
42	0	8	1795908000	702	37	-1	1	1
42	0	11	1795908000	51	2	-1	1	2
42	0	17	1795908000	116	161	-1	1	3
42	0	18	1795908000	595	60	0	1	4
42	0	26	1795908000	471	237	-1	1	5
42	1	8	1795908000	0	0	0	1	6
42	1	9	1795908000	0	0	-1	1	7
42	2	1570	1795908000	160	160	-1	1	8
42	0	8	1795908300	703	36	-1	1	1
42	0	11	1795908300	51	2	-1	1	2
42	0	17	1795908300	116	161	-1	1	3
42	0	18	1795908300	595	60	0	1	4
42	0	26	1795908300	471	237	-1	1	5
42	1	8	1795908300	0	0	0	1	6
42	1	9	1795908300	0	0	-1	1	7
42	2	1570	1795908300	160	160	-1	1	8
42	0	8	1795908600	704	35	-1	1	1
42	0	11	1795908600	51	2	-1	1	2
42	0	17	1795908600	115	156	-1	1	3
42	0	18	1795908600	595	60	0	1	4
42	0	26	1795908600	471	237	-1	1	5
42	1	8	1795908600	0	0	0	1	6
42	1	9	1795908600	0	0	-1	1	7
42	2	1570	1795908600	160	160	-1	1	8
42	0	8	1795908900	707	32	-1	1	1
42	0	11	1795908900	51	2	-1	1	2
42	0	17	1795908900	115	156	-1	1	3
42	0	18	1795908900	605	61	0	1	4
42	0	26	1795908900	471	237	-1	1	5
42	1	8	1795908900	0	0	0	1	6
42	1	9	1795908900	0	0	-1	1	7
42	2	1570	1795908900	160	160	-1	1	8
42	0	8	1795909200	711	29	-1	1	1
42	0	11	1795909200	51	2	-1	1	2
42	0	17	1795909200	114	152	-1	1	3
42	0	18	1795909200	615	62	0	1	4
42	0	26	1795909200	471	237	-1	1	5
42	1	8	1795909200	0	0	0	1	6
42	1	9	1795909200	0	0	-1	1	7
42	2	1570	1795909200	160	160	-1	1	8
42	0	8	1795909500	713	27	-1	1	1
42	0	11	1795909500	51	2	-1	1	2
42	0	17	1795909500	115	156	-1	1	3
42	0	18	1795909500	615	62	0	1	4
42	0	26	1795909500	438	267	-1	1	5
42	1	8	1795909500	2	100	0	1	6
42	1	9	1795909500	525	525	-1	1	7
42	2	1570	1795909500	160	160	-1	1	8
42	0	8	1795909800	713	27	-1	1	1
42	0	11	1795909800	51	2	-1	1	2
42	0	17	1795909800	115	156	-1	1	3
42	0	18	1795909800	625	63	0	1	4
42	0	26	1795909800	438	267	-1	1	5
42	1	8	1795909800	2	100	0	1	6
42	1	9	1795909800	466	466	-1	1	7
42	2	1570	1795909800	160	160	-1	1	8
42	0	8	1795910100	712	28	-1	1	1
42	0	11	1795910100	51	2	-1	1	2
42	0	17	1795910100	116	161	-1	1	3
42	0	18	1795910100	635	64	0	1	4
42	0	26	1795910100	438	267	-1	1	5
42	1	8	1795910100	2	100	0	1	6
42	1	9	1795910100	406	406	-1	1	7
42	2	1570	1795910100	160	160	-1	1	8
42	0	8	1795910400	711	29	-1	1	1
42	0	11	1795910400	51	2	-1	1	2
42	0	17	1795910400	116	161	-1	1	3
42	0	18	1795910400	645	65	0	1	4
42	0	26	1795910400	439	266	-1	1	5
42	1	8	1795910400	2	100	0	1	6
42	1	9	1795910400	347	347	-1	1	7
42	2	1570	1795910400	160	160	-1	1	8
42	0	8	1795910700	710	30	-1	1	1
42	0	11	1795910700	51	2	-1	1	2
42	0	17	1795910700	117	166	-1	1	3
42	0	18	1795910700	645	65	0	1	4
42	0	26	1795910700	439	266	-1	1	5
42	1	8	1795910700	2	100	0	1	6
42	1	9	1795910700	288	288	-1	1	7
42	2	1570	1795910700	160	160	-1	1	8
42	0	8	1795911000	710	30	-1	1	1
42	0	11	1795911000	51	2	-1	1	2
42	0	17	1795911000	117	166	-1	1	3
42	0	18	1795911000	655	66	0	1	4
42	0	26	1795911000	439	266	-1	1	5
42	1	8	1795911000	2	100	0	1	6
42	1	9	1795911000	229	229	-1	1	7
42	2	1570	1795911000	160	160	-1	1	8
42	0	8	1795911300	712	28	-1	1	1
42	0	11	1795911300	51	2	-1	1	2
42	0	17	1795911300	117	166	-1	1	3
42	0	18	1795911300	655	66	0	1	4
42	0	26	1795911300	473	236	-1	1	5
42	1	8	1795911300	0	0	0	1	6
42	1	9	1795911300	0	0	-1	1	7
42	2	1570	1795911300	160	160	-1	1	8
42	0	8	1795911600	714	26	-1	1	1
42	0	11	1795911600	51	2	-1	1	2
42	0	17	1795911600	116	161	-1	1	3
42	0	18	1795911600	655	66	0	1	4
42	0	26	1795911600	473	236	-1	1	5
42	1	8	1795911600	0	0	0	1	6
42	1	9	1795911600	0	0	-1	1	7
42	2	1570	1795911600	160	160	-1	1	8
42	0	8	1795911900	717	23	-1	1	1
42	0	11	1795911900	51	2	-1	1	2
42	0	17	1795911900	116	161	-1	1	3
42	0	18	1795911900	655	66	0	1	4
42	0	26	1795911900	473	236	-1	1	5
42	1	8	1795911900	0	0	0	1	6
42	1	9	1795911900	0	0	-1	1	7
42	2	1570	1795911900	160	160	-1	1	8
42	0	8	1795912200	719	21	-1	1	1
42	0	11	1795912200	51	2	-1	1	2
42	0	17	1795912200	116	161	-1	1	3
42	0	18	1795912200	655	66	0	1	4
42	0	26	1795912200	473	236	-1	1	5
42	1	8	1795912200	0	0	0	1	6
42	1	9	1795912200	0	0	-1	1	7
42	2	1570	1795912200	160	160	-1	1	8
42	0	8	1795912500	719	21	-1	1	1
42	0	11	1795912500	51	2	-1	1	2
42	0	17	1795912500	115	156	-1	1	3
42	0	18	1795912500	645	65	0	1	4
42	0	26	1795912500	473	236	-1	1	5
42	1	8	1795912500	0	0	0	1	6
42	1	9	1795912500	0	0	-1	1	7
42	2	1570	1795912500	160	160	-1	1	8
42	0	8	1795912800	718	22	-1	1	1
42	0	11	1795912800	51	2	-1	1	2
42	0	17	1795912800	115	156	-1	1	3
42	0	18	1795912800	645	65	0	1	4
42	0	26	1795912800	473	236	-1	1	5
42	1	8	1795912800	0	0	0	1	6
42	1	9	1795912800	0	0	-1	1	7
42	2	1570	1795912800	160	160	-1	1	8
42	0	8	1795913100	717	23	-1	1	1
42	0	11	1795913100	51	2	-1	1	2
42	0	17	1795913100	114	152	-1	1	3
42	0	18	1795913100	635	64	0	1	4
42	0	26	1795913100	473	236	-1	1	5
42	1	8	1795913100	0	0	0	1	6
42	1	9	1795913100	0	0	-1	1	7
42	2	1570	1795913100	160	160	-1	1	8
42	0	8	1795913400	715	25	-1	1	1
42	0	11	1795913400	51	2	-1	1	2
42	0	17	1795913400	115	156	-1	1	3
42	0	18	1795913400	635	64	0	1	4
42	0	26	1795913400	439	266	-1	1	5
42	1	8	1795913400	2	100	0	1	6
42	1	9	1795913400	536	536	-1	1	7
42	2	1570	1795913400	160	160	-1	1	8
42	0	8	1795913700	715	25	-1	1	1
42	0	11	1795913700	51	2	-1	1	2
42	0	17	1795913700	115	156	-1	1	3
42	0	18	1795913700	635	64	0	1	4
42	0	26	1795913700	439	266	-1	1	5
42	1	8	1795913700	2	100	0	1	6
42	1	9	1795913700	477	477	-1	1	7
42	2	1570	1795913700	160	160	-1	1	8
42	0	8	1795914000	717	23	-1	1	1
42	0	11	1795914000	51	2	-1	1	2
42	0	17	1795914000	116	161	-1	1	3
42	0	18	1795914000	635	64	0	1	4
42	0	26	1795914000	439	266	-1	1	5
42	1	8	1795914000	2	100	0	1	6
42	1	9	1795914000	418	418	-1	1	7
42	2	1570	1795914000	160	160	-1	1	8
42	0	8	1795914300	719	21	-1	1	1
42	0	11	1795914300	51	2	-1	1	2
42	0	17	1795914300	116	161	-1	1	3
42	0	18	1795914300	635	64	0	1	4
42	0	26	1795914300	439	266	-1	1	5
42	1	8	1795914300	2	100	0	1	6
42	1	9	1795914300	360	360	-1	1	7
42	2	1570	1795914300	160	160	-1	1	8
42	0	8	1795914600	722	18	-1	1	1
42	0	11	1795914600	51	2	-1	1	2
42	0	17	1795914600	116	161	-1	1	3
42	0	18	1795914600	635	64	0	1	4
42	0	26	1795914600	439	266	-1	1	5
42	1	8	1795914600	2	100	0	1	6
42	1	9	1795914600	302	302	-1	1	7
42	2	1570	1795914600	160	160	-1	1	8
42	0	8	1795914900	723	17	-1	1	1
42	0	11	1795914900	51	2	-1	1	2
42	0	17	1795914900	117	166	-1	1	3
42	0	18	1795914900	635	64	0	1	4
42	0	26	1795914900	439	266	-1	1	5
42	1	8	1795914900	2	100	0	1	6
42	1	9	1795914900	245	245	-1	1	7
42	2	1570	1795914900	160	160	-1	1	8
42	0	8	1795915200	723	17	-1	1	1
42	0	11	1795915200	51	2	-1	1	2
42	0	17	1795915200	116	161	-1	1	3
42	0	18	1795915200	645	65	0	1	4
42	0	26	1795915200	474	235	-1	1	5
42	1	8	1795915200	0	0	0	1	6
42	1	9	1795915200	0	0	-1	1	7
42	2	1570	1795915200	160	160	-1	1	8
42	0	8	1795915500	722	18	-1	1	1
42	0	11	1795915500	51	2	-1	1	2
42	0	17	1795915500	116	161	-1	1	3
42	0	18	1795915500	645	65	0	1	4
42	0	26	1795915500	474	235	-1	1	5
42	1	8	1795915500	0	0	0	1	6
42	1	9	1795915500	0	0	-1	1	7
42	2	1570	1795915500	160	160	-1	1	8
42	0	8	1795915800	721	19	-1	1	1
42	0	11	1795915800	51	2	-1	1	2
42	0	17	1795915800	116	161	-1	1	3
42	0	18	1795915800	655	66	0	1	4
42	0	26	1795915800	474	235	-1	1	5
42	1	8	1795915800	0	0	0	1	6
42	1	9	1795915800	0	0	-1	1	7
42	2	1570	1795915800	160	160	-1	1	8
42	0	8	1795916100	719	21	-1	1	1
42	0	11	1795916100	51	2	-1	1	2
42	0	17	1795916100	115	156	-1	1	3
42	0	18	1795916100	665	67	0	1	4
42	0	26	1795916100	474	235	-1	1	5
42	1	8	1795916100	0	0	0	1	6
42	1	9	1795916100	0	0	-1	1	7
42	2	1570	1795916100	160	160	-1	1	8
42	0	8	1795916400	719	21	-1	1	1
42	0	11	1795916400	51	2	-1	1	2
42	0	17	1795916400	115	156	-1	1	3
42	0	18	1795916400	665	67	0	1	4
42	0	26	1795916400	474	235	-1	1	5
42	1	8	1795916400	0	0	0	1	6
42	1	9	1795916400	0	0	-1	1	7
42	2	1570	1795916400	160	160	-1	1	8
42	0	8	1795916700	721	19	-1	1	1
42	0	11	1795916700	51	2	-1	1	2
42	0	17	1795916700	115	156	-1	1	3
42	0	18	1795916700	675	68	0	1	4
42	0	26	1795916700	474	235	-1	1	5
42	1	8	1795916700	0	0	0	1	6
42	1	9	1795916700	0	0	-1	1	7
42	2	1570	1795916700	160	160	-1	1	8
42	0	8	1795917000	723	17	-1	1	1
42	0	11	1795917000	51	2	-1	1	2
42	0	17	1795917000	115	156	-1	1	3
42	0	18	1795917000	675	68	0	1	4
42	0	26	1795917000	440	265	-1	1	5
42	1	8	1795917000	2	100	0	1	6
42	1	9	1795917000	504	504	-1	1	7
42	2	1570	1795917000	160	160	-1	1	8
42	0	8	1795917300	726	15	-1	1	1
42	0	11	1795917300	51	2	-1	1	2
42	0	17	1795917300	115	156	-1	1	3
42	0	18	1795917300	685	69	0	1	4
42	0	26	1795917300	440	265	-1	1	5
42	1	8	1795917300	2	100	0	1	6
42	1	9	1795917300	446	446	-1	1	7
42	2	1570	1795917300	160	160	-1	1	8
42	0	8	1795917600	727	14	-1	1	1
42	0	11	1795917600	51	2	-1	1	2
42	0	17	1795917600	116	161	-1	1	3
42	0	18	1795917600	685	69	0	1	4
42	0	26	1795917600	440	265	-1	1	5
42	1	8	1795917600	2	100	0	1	6
42	1	9	1795917600	388	388	-1	1	7
42	2	1570	1795917600	160	160	-1	1	8
42	0	8	1795917900	727	14	-1	1	1
42	0	11	1795917900	51	2	-1	1	2
42	0	17	1795917900	116	161	-1	1	3
42	0	18	1795917900	675	68	0	1	4
42	0	26	1795917900	440	265	-1	1	5
42	1	8	1795917900	2	100	0	1	6
42	1	9	1795917900	331	331	-1	1	7
42	2	1570	1795917900	160	160	-1	1	8
42	0	8	1795918200	726	15	-1	1	1
42	0	11	1795918200	51	2	-1	1	2
42	0	17	1795918200	117	166	-1	1	3
42	0	18	1795918200	675	68	0	1	4
42	0	26	1795918200	440	265	-1	1	5
42	1	8	1795918200	2	100	0	1	6
42	1	9	1795918200	274	274	-1	1	7
42	2	1570	1795918200	160	160	-1	1	8
42	0	8	1795918500	723	17	-1	1	1
42	0	11	1795918500	51	2	-1	1	2
42	0	17	1795918500	117	166	-1	1	3
42	0	18	1795918500	675	68	0	1	4
42	0	26	1795918500	440	265	-1	1	5
42	1	8	1795918500	2	100	0	1	6
42	1	9	1795918500	216	216	-1	1	7
42	2	1570	1795918500	160	160	-1	1	8
42	0	8	1795918800	722	18	-1	1	1
42	0	11	1795918800	51	2	-1	1	2
42	0	17	1795918800	117	166	-1	1	3
42	0	18	1795918800	665	67	0	1	4
42	0	26	1795918800	474	235	-1	1	5
42	1	8	1795918800	0	0	0	1	6
42	1	9	1795918800	0	0	-1	1	7
42	2	1570	1795918800	160	160	-1	1	8
42	0	8	1795919100	722	18	-1	1	1
42	0	11	1795919100	51	2	-1	1	2
42	0	17	1795919100	116	161	-1	1	3
42	0	18	1795919100	655	66	0	1	4
42	0	26	1795919100	474	235	-1	1	5
42	1	8	1795919100	0	0	0	1	6
42	1	9	1795919100	0	0	-1	1	7
42	2	1570	1795919100	160	160	-1	1	8
42	0	8	1795919400	723	17	-1	1	1
42	0	11	1795919400	51	2	-1	1	2
42	0	17	1795919400	116	161	-1	1	3
42	0	18	1795919400	655	66	0	1	4
42	0	26	1795919400	474	235	-1	1	5
42	1	8	1795919400	0	0	0	1	6
42	1	9	1795919400	0	0	-1	1	7
42	2	1570	1795919400	160	160	-1	1	8
42	0	8	1795919700	726	15	-1	1	1
42	0	11	1795919700	51	2	-1	1	2
42	0	17	1795919700	116	161	-1	1	3
42	0	18	1795919700	645	65	0	1	4
42	0	26	1795919700	474	235	-1	1	5
42	1	8	1795919700	0	0	0	1	6
42	1	9	1795919700	0	0	-1	1	7
42	2	1570	1795919700	160	160	-1	1	8
42	0	8	1795920000	728	13	-1	1	1
42	0	11	1795920000	51	2	-1	1	2
42	0	17	1795920000	115	156	-1	1	3
42	0	18	1795920000	645	65	0	1	4
42	0	26	1795920000	474	235	-1	1	5
42	1	8	1795920000	0	0	0	1	6
42	1	9	1795920000	0	0	-1	1	7
42	2	1570	1795920000	160	160	-1	1	8
42	0	8	1795920300	729	12	-1	1	1
42	0	11	1795920300	51	2	-1	1	2
42	0	17	1795920300	115	156	-1	1	3
42	0	18	1795920300	645	65	0	1	4
42	0	26	1795920300	474	235	-1	1	5
42	1	8	1795920300	0	0	0	1	6
42	1	9	1795920300	0	0	-1	1	7
42	2	1570	1795920300	160	160	-1	1	8
42	0	8	1795920600	729	12	-1	1	1
42	0	11	1795920600	51	2	-1	1	2
42	0	17	1795920600	114	152	-1	1	3
42	0	18	1795920600	645	65	0	1	4
42	0	26	1795920600	474	235	-1	1	5
42	1	8	1795920600	0	0	0	1	6
42	1	9	1795920600	0	0	-1	1	7
42	2	1570	1795920600	160	160	-1	1	8
42	0	8	1795920900	727	14	-1	1	1
42	0	11	1795920900	51	2	-1	1	2
42	0	17	1795920900	115	156	-1	1	3
42	0	18	1795920900	645	65	0	1	4
42	0	26	1795920900	440	265	-1	1	5
42	1	8	1795920900	2	100	0	1	6
42	1	9	1795920900	532	532	-1	1	7
42	2	1570	1795920900	160	160	-1	1	8
42	0	8	1795921200	725	16	-1	1	1
42	0	11	1795921200	51	2	-1	1	2
42	0	17	1795921200	115	156	-1	1	3
42	0	18	1795921200	655	66	0	1	4
42	0	26	1795921200	440	265	-1	1	5
42	1	8	1795921200	2	100	0	1	6
42	1	9	1795921200	474	474	-1	1	7
42	2	1570	1795921200	160	160	-1	1	8
42	0	8	1795921500	722	18	-1	1	1
42	0	11	1795921500	51	2	-1	1	2
42	0	17	1795921500	116	161	-1	1	3
42	0	18	1795921500	655	66	0	1	4
42	0	26	1795921500	440	265	-1	1	5
42	1	8	1795921500	2	100	0	1	6
42	1	9	1795921500	416	416	-1	1	7
42	2	1570	1795921500	160	160	-1	1	8
42	0	8	1795921800	722	18	-1	1	1
42	0	11	1795921800	51	2	-1	1	2
42	0	17	1795921800	116	161	-1	1	3
42	0	18	1795921800	665	67	0	1	4
42	0	26	1795921800	440	265	-1	1	5
42	1	8	1795921800	2	100	0	1	6
42	1	9	1795921800	358	358	-1	1	7
42	2	1570	1795921800	160	160	-1	1	8
42	0	8	1795922100	723	17	-1	1	1
42	0	11	1795922100	51	2	-1	1	2
42	0	17	1795922100	116	161	-1	1	3
42	0	18	1795922100	665	67	0	1	4
42	0	26	1795922100	440	265	-1	1	5
42	1	8	1795922100	2	100	0	1	6
42	1	9	1795922100	300	300	-1	1	7
42	2	1570	1795922100	160	160	-1	1	8
42	0	8	1795922400	726	15	-1	1	1
42	0	11	1795922400	51	2	-1	1	2
42	0	17	1795922400	117	166	-1	1	3
42	0	18	1795922400	675	68	0	1	4
42	0	26	1795922400	440	265	-1	1	5
42	1	8	1795922400	2	100	0	1	6
42	1	9	1795922400	243	243	-1	1	7
42	2	1570	1795922400	160	160	-1	1	8
42	0	8	1795922700	728	13	-1	1	1
42	0	11	1795922700	51	2	-1	1	2
42	0	17	1795922700	116	161	-1	1	3
42	0	18	1795922700	675	68	0	1	4
42	0	26	1795922700	474	235	-1	1	5
42	1	8	1795922700	0	0	0	1	6
42	1	9	1795922700	0	0	-1	1	7
42	2	1570	1795922700	160	160	-1	1	8
42	0	8	1795923000	729	12	-1	1	1
42	0	11	1795923000	51	2	-1	1	2
42	0	17	1795923000	116	161	-1	1	3
42	0	18	1795923000	685	69	0	1	4
42	0	26	1795923000	474	235	-1	1	5
42	1	8	1795923000	0	0	0	1	6
42	1	9	1795923000	0	0	-1	1	7
42	2	1570	1795923000	160	160	-1	1	8
42	0	8	1795923300	728	13	-1	1	1
42	0	11	1795923300	51	2	-1	1	2
42	0	17	1795923300	116	161	-1	1	3
42	0	18	1795923300	685	69	0	1	4
42	0	26	1795923300	474	235	-1	1	5
42	1	8	1795923300	0	0	0	1	6
42	1	9	1795923300	0	0	-1	1	7
42	2	1570	1795923300	160	160	-1	1	8
42	0	8	1795923600	726	15	-1	1	1
42	0	11	1795923600	51	2	-1	1	2
42	0	17	1795923600	115	156	-1	1	3
42	0	18	1795923600	685	69	0	1	4
42	0	26	1795923600	474	235	-1	1	5
42	1	8	1795923600	0	0	0	1	6
42	1	9	1795923600	0	0	-1	1	7
42	2	1570	1795923600	160	160	-1	1	8
42	0	8	1795923900	723	17	-1	1	1
42	0	11	1795923900	51	2	-1	1	2
42	0	17	1795923900	115	156	-1	1	3
42	0	18	1795923900	685	69	0	1	4
42	0	26	1795923900	474	235	-1	1	5
42	1	8	1795923900	0	0	0	1	6
42	1	9	1795923900	0	0	-1	1	7
42	2	1570	1795923900	160	160	-1	1	8
42	0	8	1795924200	721	19	-1	1	1
42	0	11	1795924200	51	2	-1	1	2
42	0	17	1795924200	115	156	-1	1	3
42	0	18	1795924200	675	68	0	1	4
42	0	26	1795924200	474	235	-1	1	5
42	1	8	1795924200	0	0	0	1	6
42	1	9	1795924200	0	0	-1	1	7
42	2	1570	1795924200	160	160	-1	1	8
42	0	8	1795924500	721	19	-1	1	1
42	0	11	1795924500	51	2	-1	1	2
42	0	17	1795924500	115	156	-1	1	3
42	0	18	1795924500	675	68	0	1	4
42	0	26	1795924500	440	265	-1	1	5
42	1	8	1795924500	2	100	0	1	6
42	1	9	1795924500	505	505	-1	1	7
42	2	1570	1795924500	160	160	-1	1	8
42	0	8	1795924800	722	18	-1	1	1
42	0	11	1795924800	51	2	-1	1	2
42	0	17	1795924800	115	156	-1	1	3
42	0	18	1795924800	665	67	0	1	4
42	0	26	1795924800	440	265	-1	1	5
42	1	8	1795924800	2	100	0	1	6
42	1	9	1795924800	447	447	-1	1	7
42	2	1570	1795924800	160	160	-1	1	8
42	0	8	1795925100	723	17	-1	1	1
42	0	11	1795925100	51	2	-1	1	2
42	0	17	1795925100	116	161	-1	1	3
42	0	18	1795925100	655	66	0	1	4
42	0	26	1795925100	440	265	-1	1	5
42	1	8	1795925100	2	100	0	1	6
42	1	9	1795925100	389	389	-1	1	7
42	2	1570	1795925100	160	160	-1	1	8
42	0	8	1795925400	726	15	-1	1	1
42	0	11	1795925400	51	2	-1	1	2
42	0	17	1795925400	116	161	-1	1	3
42	0	18	1795925400	655	66	0	1	4
42	0	26	1795925400	440	265	-1	1	5
42	1	8	1795925400	2	100	0	1	6
42	1	9	1795925400	331	331	-1	1	7
42	2	1570	1795925400	160	160	-1	1	8
42	0	8	1795925700	727	14	-1	1	1
42	0	11	1795925700	51	2	-1	1	2
42	0	17	1795925700	117	166	-1	1	3
42	0	18	1795925700	645	65	0	1	4
42	0	26	1795925700	440	265	-1	1	5
42	1	8	1795925700	2	100	0	1	6
42	1	9	1795925700	274	274	-1	1	7
42	2	1570	1795925700	160	160	-1	1	8
42	0	8	1795926000	726	15	-1	1	1
42	0	11	1795926000	51	2	-1	1	2
42	0	17	1795926000	117	166	-1	1	3
42	0	18	1795926000	645	65	0	1	4
42	0	26	1795926000	440	265	-1	1	5
42	1	8	1795926000	2	100	0	1	6
42	1	9	1795926000	217	217	-1	1	7
42	2	1570	1795926000	160	160	-1	1	8
42	0	8	1795926300	723	17	-1	1	1
42	0	11	1795926300	51	2	-1	1	2
42	0	17	1795926300	117	166	-1	1	3
42	0	18	1795926300	635	64	0	1	4
42	0	26	1795926300	474	235	-1	1	5
42	1	8	1795926300	0	0	0	1	6
42	1	9	1795926300	0	0	-1	1	7
42	2	1570	1795926300	160	160	-1	1	8
42	0	8	1795926600	720	20	-1	1	1
42	0	11	1795926600	51	2	-1	1	2
42	0	17	1795926600	116	161	-1	1	3
42	0	18	1795926600	635	64	0	1	4
42	0	26	1795926600	474	235	-1	1	5
42	1	8	1795926600	0	0	0	1	6
42	1	9	1795926600	0	0	-1	1	7
42	2	1570	1795926600	160	160	-1	1	8
42	0	8	1795926900	719	21	-1	1	1
42	0	11	1795926900	51	2	-1	1	2
42	0	17	1795926900	116	161	-1	1	3
42	0	18	1795926900	635	64	0	1	4
42	0	26	1795926900	474	235	-1	1	5
42	1	8	1795926900	0	0	0	1	6
42	1	9	1795926900	0	0	-1	1	7
42	2	1570	1795926900	160	160	-1	1	8
42	0	8	1795927200	718	22	-1	1	1
42	0	11	1795927200	51	2	-1	1	2
42	0	17	1795927200	116	161	-1	1	3
42	0	18	1795927200	635	64	0	1	4
42	0	26	1795927200	474	235	-1	1	5
42	1	8	1795927200	0	0	0	1	6
42	1	9	1795927200	0	0	-1	1	7
42	2	1570	1795927200	160	160	-1	1	8
42	0	8	1795927500	718	22	-1	1	1
42	0	11	1795927500	51	2	-1	1	2
42	0	17	1795927500	115	156	-1	1	3
42	0	18	1795927500	645	65	0	1	4
42	0	26	1795927500	473	236	-1	1	5
42	1	8	1795927500	0	0	0	1	6
42	1	9	1795927500	0	0	-1	1	7
42	2	1570	1795927500	160	160	-1	1	8
42	0	8	1795927800	720	20	-1	1	1
42	0	11	1795927800	51	2	-1	1	2
42	0	17	1795927800	115	156	-1	1	3
42	0	18	1795927800	645	65	0	1	4
42	0	26	1795927800	473	236	-1	1	5
42	1	8	1795927800	0	0	0	1	6
42	1	9	1795927800	0	0	-1	1	7
42	2	1570	1795927800	160	160	-1	1	8
42	0	8	1795928100	721	19	-1	1	1
42	0	11	1795928100	51	2	-1	1	2
42	0	17	1795928100	114	152	-1	1	3
42	0	18	1795928100	655	66	0	1	4
42	0	26	1795928100	473	236	-1	1	5
42	1	8	1795928100	0	0	0	1	6
42	1	9	1795928100	0	0	-1	1	7
42	2	1570	1795928100	160	160	-1	1	8
42	0	8	1795928400	722	18	-1	1	1
42	0	11	1795928400	51	2	-1	1	2
42	0	17	1795928400	115	156	-1	1	3
42	0	18	1795928400	655	66	0	1	4
42	0	26	1795928400	439	266	-1	1	5
42	1	8	1795928400	2	100	0	1	6
42	1	9	1795928400	528	528	-1	1	7
42	2	1570	1795928400	160	160	-1	1	8
42	0	8	1795928700	721	19	-1	1	1
42	0	11	1795928700	51	2	-1	1	2
42	0	17	1795928700	115	156	-1	1	3
42	0	18	1795928700	665	67	0	1	4
42	0	26	1795928700	439	266	-1	1	5
42	1	8	1795928700	2	100	0	1	6
42	1	9	1795928700	470	470	-1	1	7
42	2	1570	1795928700	160	160	-1	1	8
42	0	8	1795929000	719	21	-1	1	1
42	0	11	1795929000	51	2	-1	1	2
42	0	17	1795929000	116	161	-1	1	3
42	0	18	1795929000	665	67	0	1	4
42	0	26	1795929000	439	266	-1	1	5
42	1	8	1795929000	2	100	0	1	6
42	1	9	1795929000	411	411	-1	1	7
42	2	1570	1795929000	160	160	-1	1	8
42	0	8	1795929300	716	24	-1	1	1
42	0	11	1795929300	51	2	-1	1	2
42	0	17	1795929300	116	161	-1	1	3
42	0	18	1795929300	665	67	0	1	4
42	0	26	1795929300	439	266	-1	1	5
42	1	8	1795929300	2	100	0	1	6
42	1	9	1795929300	352	352	-1	1	7
42	2	1570	1795929300	160	160	-1	1	8
42	0	8	1795929600	714	26	-1	1	1
42	0	11	1795929600	51	2	-1	1	2
42	0	17	1795929600	117	166	-1	1	3
42	0	18	1795929600	665	67	0	1	4
42	0	26	1795929600	439	266	-1	1	5
42	1	8	1795929600	2	100	0	1	6
42	1	9	1795929600	294	294	-1	1	7
42	2	1570	1795929600	160	160	-1	1	8
42	0	8	1795929900	713	27	-1	1	1
42	0	11	1795929900	51	2	-1	1	2
42	0	17	1795929900	117	166	-1	1	3
42	0	18	1795929900	665	67	0	1	4
42	0	26	1795929900	439	266	-1	1	5
42	1	8	1795929900	2	100	0	1	6
42	1	9	1795929900	235	235	-1	1	7
42	2	1570	1795929900	160	160	-1	1	8
42	0	8	1795930200	714	26	-1	1	1
42	0	11	1795930200	51	2	-1	1	2
42	0	17	1795930200	117	166	-1	1	3
42	0	18	1795930200	655	66	0	1	4
42	0	26	1795930200	473	236	-1	1	5
42	1	8	1795930200	0	0	0	1	6
42	1	9	1795930200	0	0	-1	1	7
42	2	1570	1795930200	160	160	-1	1	8
42	0	8	1795930500	715	25	-1	1	1
42	0	11	1795930500	51	2	-1	1	2
42	0	17	1795930500	116	161	-1	1	3
42	0	18	1795930500	645	65	0	1	4
42	0	26	1795930500	473	236	-1	1	5
42	1	8	1795930500	0	0	0	1	6
42	1	9	1795930500	0	0	-1	1	7
42	2	1570	1795930500	160	160	-1	1	8
42	0	8	1795930800	717	23	-1	1	1
42	0	11	1795930800	51	2	-1	1	2
42	0	17	1795930800	116	161	-1	1	3
42	0	18	1795930800	645	65	0	1	4
42	0	26	1795930800	473	236	-1	1	5
42	1	8	1795930800	0	0	0	1	6
42	1	9	1795930800	0	0	-1	1	7
42	2	1570	1795930800	160	160	-1	1	8
42	0	8	1795931100	717	23	-1	1	1
42	0	11	1795931100	51	2	-1	1	2
42	0	17	1795931100	115	156	-1	1	3
42	0	18	1795931100	635	64	0	1	4
42	0	26	1795931100	473	236	-1	1	5
42	1	8	1795931100	0	0	0	1	6
42	1	9	1795931100	0	0	-1	1	7
42	2	1570	1795931100	160	160	-1	1	8
42	0	8	1795931400	716	24	-1	1	1
42	0	11	1795931400	51	2	-1	1	2
42	0	17	1795931400	115	156	-1	1	3
42	0	18	1795931400	625	63	0	1	4
42	0	26	1795931400	473	236	-1	1	5
42	1	8	1795931400	0	0	0	1	6
42	1	9	1795931400	0	0	-1	1	7
42	2	1570	1795931400	160	160	-1	1	8
42	0	8	1795931700	713	27	-1	1	1
42	0	11	1795931700	51	2	-1	1	2
42	0	17	1795931700	115	156	-1	1	3
42	0	18	1795931700	615	62	0	1	4
42	0	26	1795931700	473	236	-1	1	5
42	1	8	1795931700	0	0	0	1	6
42	1	9	1795931700	0	0	-1	1	7
42	2	1570	1795931700	160	160	-1	1	8
42	0	8	1795932000	711	29	-1	1	1
42	0	11	1795932000	51	2	-1	1	2
42	0	17	1795932000	114	152	-1	1	3
42	0	18	1795932000	615	62	0	1	4
42	0	26	1795932000	473	236	-1	1	5
42	1	8	1795932000	0	0	0	1	6
42	1	9	1795932000	0	0	-1	1	7
42	2	1570	1795932000	160	160	-1	1	8
42	0	8	1795932300	707	32	-1	1	1
42	0	11	1795932300	51	2	-1	1	2
42	0	17	1795932300	115	156	-1	1	3
42	0	18	1795932300	605	61	0	1	4
42	0	26	1795932300	438	267	-1	1	5
42	1	8	1795932300	2	100	0	1	6
42	1	9	1795932300	540	540	-1	1	7
42	2	1570	1795932300	160	160	-1	1	8
42	0	8	1795932600	706	33	-1	1	1
42	0	11	1795932600	51	2	-1	1	2
42	0	17	1795932600	115	156	-1	1	3
42	0	18	1795932600	605	61	0	1	4
42	0	26	1795932600	438	267	-1	1	5
42	1	8	1795932600	2	100	0	1	6
42	1	9	1795932600	480	480	-1	1	7
42	2	1570	1795932600	160	160	-1	1	8
42	0	8	1795932900	707	32	-1	1	1
42	0	11	1795932900	51	2	-1	1	2
42	0	17	1795932900	116	161	-1	1	3
42	0	18	1795932900	605	61	0	1	4
42	0	26	1795932900	438	267	-1	1	5
42	1	8	1795932900	2	100	0	1	6
42	1	9	1795932900	420	420	-1	1	7
42	2	1570	1795932900	160	160	-1	1	8
42	0	8	1795933200	709	31	-1	1	1
42	0	11	1795933200	51	2	-1	1	2
42	0	17	1795933200	116	161	-1	1	3
42	0	18	1795933200	605	61	0	1	4
42	0	26	1795933200	438	267	-1	1	5
42	1	8	1795933200	2	100	0	1	6
42	1	9	1795933200	360	360	-1	1	7
42	2	1570	1795933200	160	160	-1	1	8
42	0	8	1795933500	710	30	-1	1	1
42	0	11	1795933500	51	2	-1	1	2
42	0	17	1795933500	116	161	-1	1	3
42	0	18	1795933500	605	61	0	1	4
42	0	26	1795933500	438	267	-1	1	5
42	1	8	1795933500	2	100	0	1	6
42	1	9	1795933500	301	301	-1	1	7
42	2	1570	1795933500	160	160	-1	1	8
42	0	8	1795933800	710	30	-1	1	1
42	0	11	1795933800	51	2	-1	1	2
42	0	17	1795933800	117	166	-1	1	3
42	0	18	1795933800	615	62	0	1	4
42	0	26	1795933800	438	267	-1	1	5
42	1	8	1795933800	2	100	0	1	6
42	1	9	1795933800	242	242	-1	1	7
42	2	1570	1795933800	160	160	-1	1	8
42	0	8	1795934100	709	31	-1	1	1
42	0	11	1795934100	51	2	-1	1	2
42	0	17	1795934100	117	166	-1	1	3
42	0	18	1795934100	615	62	0	1	4
42	0	26	1795934100	471	237	-1	1	5
42	1	8	1795934100	0	0	0	1	6
42	1	9	1795934100	0	0	-1	1	7
42	2	1570	1795934100	160	160	-1	1	8
42	0	8	1795934400	706	33	-1	1	1
42	0	11	1795934400	51	2	-1	1	2
42	0	17	1795934400	116	161	-1	1	3
42	0	18	1795934400	625	63	0	1	4
42	0	26	1795934400	471	237	-1	1	5
42	1	8	1795934400	0	0	0	1	6
42	1	9	1795934400	0	0	-1	1	7
42	2	1570	1795934400	160	160	-1	1	8
42	0	8	1795934700	703	36	-1	1	1
42	0	11	1795934700	51	2	-1	1	2
42	0	17	1795934700	116	161	-1	1	3
42	0	18	1795934700	625	63	0	1	4
42	0	26	1795934700	471	237	-1	1	5
42	1	8	1795934700	0	0	0	1	6
42	1	9	1795934700	0	0	-1	1	7
42	2	1570	1795934700	160	160	-1	1	8
42	0	8	1795935000	699	39	-1	1	1
42	0	11	1795935000	51	2	-1	1	2
42	0	17	1795935000	115	156	-1	1	3
42	0	18	1795935000	625	63	0	1	4
42	0	26	1795935000	471	237	-1	1	5
42	1	8	1795935000	0	0	0	1	6
42	1	9	1795935000	0	0	-1	1	7
42	2	1570	1795935000	160	160	-1	1	8
42	0	8	1795935300	698	40	-1	1	1
42	0	11	1795935300	51	2	-1	1	2
42	0	17	1795935300	115	156	-1	1	3
42	0	18	1795935300	625	63	0	1	4
42	0	26	1795935300	471	237	-1	1	5
42	1	8	1795935300	0	0	0	1	6
42	1	9	1795935300	0	0	-1	1	7
42	2	1570	1795935300	160	160	-1	1	8
42	0	8	1795935600	699	39	-1	1	1
42	0	11	1795935600	70	126	-1	1	2
42	0	17	1795935600	116	161	-1	1	3
42	0	18	1795935600	625	63	0	1	4
42	0	26	1795935600	437	268	-1	1	5
42	1	8	1795935600	2	100	0	1	6
42	1	9	1795935600	1000	1000	-1	1	7
42	2	1570	1795935600	210	210	-1	1	8
42	0	8	1795935900	701	38	-1	1	1
42	0	11	1795935900	70	126	-1	1	2
42	0	17	1795935900	116	161	-1	1	3
42	0	18	1795935900	625	63	0	1	4
42	0	26	1795935900	437	268	-1	1	5
42	1	8	1795935900	2	100	0	1	6
42	1	9	1795935900	1000	1000	-1	1	7
42	2	1570	1795935900	210	210	-1	1	8
42	0	8	1795936200	702	37	-1	1	1
42	0	11	1795936200	70	126	-1	1	2
42	0	17	1795936200	116	161	-1	1	3
42	0	18	1795936200	615	62	0	1	4
42	0	26	1795936200	437	268	-1	1	5
42	1	8	1795936200	2	100	0	1	6
42	1	9	1795936200	1000	1000	-1	1	7
42	2	1570	1795936200	210	210	-1	1	8
42	0	8	1795936500	702	37	-1	1	1
42	0	11	1795936500	70	126	-1	1	2
42	0	17	1795936500	117	166	-1	1	3
42	0	18	1795936500	615	62	0	1	4
42	0	26	1795936500	437	268	-1	1	5
42	1	8	1795936500	2	100	0	1	6
42	1	9	1795936500	1000	1000	-1	1	7
42	2	1570	1795936500	210	210	-1	1	8
42	0	8	1795936800	699	39	-1	1	1
42	0	11	1795936800	69	120	-1	1	2
42	0	17	1795936800	117	166	-1	1	3
42	0	18	1795936800	605	61	0	1	4
42	0	26	1795936800	437	268	-1	1	5
42	1	8	1795936800	2	100	0	1	6
42	1	9	1795936800	1000	1000	-1	1	7
42	2	1570	1795936800	210	210	-1	1	8
42	0	8	1795937100	697	41	-1	1	1
42	0	11	1795937100	69	120	-1	1	2
42	0	17	1795937100	118	171	-1	1	3
42	0	18	1795937100	595	60	0	1	4
42	0	26	1795937100	437	268	-1	1	5
42	1	8	1795937100	2	100	0	1	6
42	1	9	1795937100	1000	1000	-1	1	7
42	2	1570	1795937100	210	210	-1	1	8
42	0	8	1795937400	694	44	-1	1	1
42	0	11	1795937400	68	113	-1	1	2
42	0	17	1795937400	118	171	-1	1	3
42	0	18	1795937400	585	59	0	1	4
42	0	26	1795937400	437	268	-1	1	5
42	1	8	1795937400	2	100	0	1	6
42	1	9	1795937400	1000	1000	-1	1	7
42	2	1570	1795937400	210	210	-1	1	8
42	0	8	1795937700	692	46	-1	1	1
42	0	11	1795937700	68	113	-1	1	2
42	0	17	1795937700	118	171	-1	1	3
42	0	18	1795937700	575	58	0	1	4
42	0	26	1795937700	437	268	-1	1	5
42	1	8	1795937700	2	100	0	1	6
42	1	9	1795937700	1000	1000	-1	1	7
42	2	1570	1795937700	210	210	-1	1	8
42	0	8	1795938000	690	48	-1	1	1
42	0	11	1795938000	68	113	-1	1	2
42	0	17	1795938000	119	176	-1	1	3
42	0	18	1795938000	575	58	0	1	4
42	0	26	1795938000	437	268	-1	1	5
42	1	8	1795938000	2	100	0	1	6
42	1	9	1795938000	1000	1000	-1	1	7
42	2	1570	1795938000	210	210	-1	1	8
42	0	8	1795938300	691	47	-1	1	1
42	0	11	1795938300	68	113	-1	1	2
42	0	17	1795938300	119	176	-1	1	3
42	0	18	1795938300	565	57	0	1	4
42	0	26	1795938300	437	268	-1	1	5
42	1	8	1795938300	2	100	0	1	6
42	1	9	1795938300	1000	1000	-1	1	7
42	2	1570	1795938300	210	210	-1	1	8
42	0	8	1795938600	692	46	-1	1	1
42	0	11	1795938600	69	120	-1	1	2
42	0	17	1795938600	120	181	-1	1	3
42	0	18	1795938600	565	57	0	1	4
42	0	26	1795938600	437	268	-1	1	5
42	1	8	1795938600	2	100	0	1	6
42	1	9	1795938600	1000	1000	-1	1	7
42	2	1570	1795938600	210	210	-1	1	8
42	0	8	1795938900	693	45	-1	1	1
42	0	11	1795938900	69	120	-1	1	2
42	0	17	1795938900	120	181	-1	1	3
42	0	18	1795938900	555	56	0	1	4
42	0	26	1795938900	436	269	-1	1	5
42	1	8	1795938900	2	100	0	1	6
42	1	9	1795938900	1000	1000	-1	1	7
42	2	1570	1795938900	210	210	-1	1	8
42	0	8	1795939200	693	45	-1	1	1
42	0	11	1795939200	70	126	-1	1	2
42	0	17	1795939200	120	181	-1	1	3
42	0	18	1795939200	555	56	0	1	4
42	0	26	1795939200	436	269	-1	1	5
42	1	8	1795939200	2	100	0	1	6
42	1	9	1795939200	1000	1000	-1	1	7
42	2	1570	1795939200	210	210	-1	1	8
42	0	8	1795939500	691	47	-1	1	1
42	0	11	1795939500	70	126	-1	1	2
42	0	17	1795939500	121	185	-1	1	3
42	0	18	1795939500	565	57	0	1	4
42	0	26	1795939500	436	269	-1	1	5
42	1	8	1795939500	2	100	0	1	6
42	1	9	1795939500	1000	1000	-1	1	7
42	2	1570	1795939500	210	210	-1	1	8
42	0	8	1795939800	687	50	-1	1	1
42	0	11	1795939800	70	126	-1	1	2
42	0	17	1795939800	121	185	-1	1	3
42	0	18	1795939800	565	57	0	1	4
42	0	26	1795939800	436	269	-1	1	5
42	1	8	1795939800	2	100	0	1	6
42	1	9	1795939800	1000	1000	-1	1	7
42	2	1570	1795939800	210	210	-1	1	8
42	0	8	1795940100	684	53	-1	1	1
42	0	11	1795940100	70	126	-1	1	2
42	0	17	1795940100	122	190	-1	1	3
42	0	18	1795940100	565	57	0	1	4
42	0	26	1795940100	436	269	-1	1	5
42	1	8	1795940100	2	100	0	1	6
42	1	9	1795940100	1000	1000	-1	1	7
42	2	1570	1795940100	210	210	-1	1	8
42	0	8	1795940400	682	55	-1	1	1
42	0	11	1795940400	70	126	-1	1	2
42	0	17	1795940400	122	190	-1	1	3
42	0	18	1795940400	575	58	0	1	4
42	0	26	1795940400	436	269	-1	1	5
42	1	8	1795940400	2	100	0	1	6
42	1	9	1795940400	984	984	-1	1	7
42	2	1570	1795940400	210	210	-1	1	8
42	0	8	1795940700	681	56	-1	1	1
42	0	11	1795940700	69	120	-1	1	2
42	0	17	1795940700	122	190	-1	1	3
42	0	18	1795940700	575	58	0	1	4
42	0	26	1795940700	436	269	-1	1	5
42	1	8	1795940700	2	100	0	1	6
42	1	9	1795940700	925	925	-1	1	7
42	2	1570	1795940700	210	210	-1	1	8
42	0	8	1795941000	681	56	-1	1	1
42	0	11	1795941000	68	113	-1	1	2
42	0	17	1795941000	123	195	-1	1	3
42	0	18	1795941000	575	58	0	1	4
42	0	26	1795941000	436	269	-1	1	5
42	1	8	1795941000	2	100	0	1	6
42	1	9	1795941000	867	867	-1	1	7
42	2	1570	1795941000	210	210	-1	1	8
42	0	8	1795941300	682	55	-1	1	1
42	0	11	1795941300	68	113	-1	1	2
42	0	17	1795941300	123	195	-1	1	3
42	0	18	1795941300	575	58	0	1	4
42	0	26	1795941300	436	269	-1	1	5
42	1	8	1795941300	2	100	0	1	6
42	1	9	1795941300	809	809	-1	1	7
42	2	1570	1795941300	210	210	-1	1	8
42	0	8	1795941600	683	54	-1	1	1
42	0	11	1795941600	68	113	-1	1	2
42	0	17	1795941600	124	200	-1	1	3
42	0	18	1795941600	575	58	0	1	4
42	0	26	1795941600	435	270	-1	1	5
42	1	8	1795941600	2	100	0	1	6
42	1	9	1795941600	751	751	-1	1	7
42	2	1570	1795941600	210	210	-1	1	8
42	0	8	1795941900	683	54	-1	1	1
42	0	11	1795941900	68	113	-1	1	2
42	0	17	1795941900	124	200	-1	1	3
42	0	18	1795941900	575	58	0	1	4
42	0	26	1795941900	435	270	-1	1	5
42	1	8	1795941900	2	100	0	1	6
42	1	9	1795941900	693	693	-1	1	7
42	2	1570	1795941900	210	210	-1	1	8
42	0	8	1795942200	681	56	-1	1	1
42	0	11	1795942200	68	113	-1	1	2
42	0	17	1795942200	124	200	-1	1	3
42	0	18	1795942200	565	57	0	1	4
42	0	26	1795942200	435	270	-1	1	5
42	1	8	1795942200	2	100	0	1	6
42	1	9	1795942200	635	635	-1	1	7
42	2	1570	1795942200	210	210	-1	1	8
42	0	8	1795942500	679	58	-1	1	1
42	0	11	1795942500	69	120	-1	1	2
42	0	17	1795942500	125	205	-1	1	3
42	0	18	1795942500	565	57	0	1	4
42	0	26	1795942500	435	270	-1	1	5
42	1	8	1795942500	2	100	0	1	6
42	1	9	1795942500	578	578	-1	1	7
42	2	1570	1795942500	210	210	-1	1	8
42	0	8	1795942800	675	61	-1	1	1
42	0	11	1795942800	69	120	-1	1	2
42	0	17	1795942800	125	205	-1	1	3
42	0	18	1795942800	555	56	0	1	4
42	0	26	1795942800	435	270	-1	1	5
42	1	8	1795942800	2	100	0	1	6
42	1	9	1795942800	520	520	-1	1	7
42	2	1570	1795942800	210	210	-1	1	8
42	0	8	1795943100	672	64	-1	1	1
42	0	11	1795943100	70	126	-1	1	2
42	0	17	1795943100	126	210	-1	1	3
42	0	18	1795943100	545	55	0	1	4
42	0	26	1795943100	435	270	-1	1	5
42	1	8	1795943100	2	100	0	1	6
42	1	9	1795943100	462	462	-1	1	7
42	2	1570	1795943100	210	210	-1	1	8
42	0	8	1795943400	671	65	-1	1	1
42	0	11	1795943400	70	126	-1	1	2
42	0	17	1795943400	126	210	-1	1	3
42	0	18	1795943400	535	54	0	1	4
42	0	26	1795943400	435	270	-1	1	5
42	1	8	1795943400	2	100	0	1	6
42	1	9	1795943400	404	404	-1	1	7
42	2	1570	1795943400	210	210	-1	1	8
42	0	8	1795943700	671	65	-1	1	1
42	0	11	1795943700	70	126	-1	1	2
42	0	17	1795943700	126	210	-1	1	3
42	0	18	1795943700	525	53	0	1	4
42	0	26	1795943700	435	270	-1	1	5
42	1	8	1795943700	2	100	0	1	6
42	1	9	1795943700	346	346	-1	1	7
42	2	1570	1795943700	210	210	-1	1	8
42	0	8	1795944000	672	64	-1	1	1
42	0	11	1795944000	70	126	-1	1	2
42	0	17	1795944000	127	215	-1	1	3
42	0	18	1795944000	515	52	0	1	4
42	0	26	1795944000	435	270	-1	1	5
42	1	8	1795944000	2	100	0	1	6
42	1	9	1795944000	289	289	-1	1	7
42	2	1570	1795944000	210	210	-1	1	8
42	0	8	1795944300	673	63	-1	1	1
42	0	11	1795944300	69	120	-1	1	2
42	0	17	1795944300	127	215	-1	1	3
42	0	18	1795944300	515	52	0	1	4
42	0	26	1795944300	434	271	-1	1	5
42	1	8	1795944300	2	100	0	1	6
42	1	9	1795944300	232	232	-1	1	7
42	2	1570	1795944300	210	210	-1	1	8
42	0	8	1795944600	673	63	-1	1	1
42	0	11	1795944600	69	120	-1	1	2
42	0	17	1795944600	127	215	-1	1	3
42	0	18	1795944600	505	51	0	1	4
42	0	26	1795944600	467	241	-1	1	5
42	1	8	1795944600	0	0	0	1	6
42	1	9	1795944600	0	0	-1	1	7
42	2	1570	1795944600	210	210	-1	1	8
42	0	8	1795944900	672	64	-1	1	1
42	0	11	1795944900	68	113	-1	1	2
42	0	17	1795944900	126	210	-1	1	3
42	0	18	1795944900	505	51	0	1	4
42	0	26	1795944900	467	241	-1	1	5
42	1	8	1795944900	0	0	0	1	6
42	1	9	1795944900	0	0	-1	1	7
42	2	1570	1795944900	210	210	-1	1	8
42	0	8	1795945200	669	67	-1	1	1
42	0	11	1795945200	68	113	-1	1	2
42	0	17	1795945200	126	210	-1	1	3
42	0	18	1795945200	505	51	0	1	4
42	0	26	1795945200	467	241	-1	1	5
42	1	8	1795945200	0	0	0	1	6
42	1	9	1795945200	0	0	-1	1	7
42	2	1570	1795945200	210	210	-1	1	8
42	0	8	1795945500	665	70	-1	1	1
42	0	11	1795945500	68	113	-1	1	2
42	0	17	1795945500	126	210	-1	1	3
42	0	18	1795945500	505	51	0	1	4
42	0	26	1795945500	467	241	-1	1	5
42	1	8	1795945500	0	0	0	1	6
42	1	9	1795945500	0	0	-1	1	7
42	2	1570	1795945500	210	210	-1	1	8
42	0	8	1795945800	662	73	-1	1	1
42	0	11	1795945800	68	113	-1	1	2
42	0	17	1795945800	125	205	-1	1	3
42	0	18	1795945800	515	52	0	1	4
42	0	26	1795945800	467	241	-1	1	5
42	1	8	1795945800	0	0	0	1	6
42	1	9	1795945800	0	0	-1	1	7
42	2	1570	1795945800	210	210	-1	1	8
42	0	8	1795946100	661	74	-1	1	1
42	0	11	1795946100	69	120	-1	1	2
42	0	17	1795946100	125	205	-1	1	3
42	0	18	1795946100	515	52	0	1	4
42	0	26	1795946100	467	241	-1	1	5
42	1	8	1795946100	0	0	0	1	6
42	1	9	1795946100	0	0	-1	1	7
42	2	1570	1795946100	210	210	-1	1	8
42	0	8	1795946400	662	73	-1	1	1
42	0	11	1795946400	69	120	-1	1	2
42	0	17	1795946400	125	205	-1	1	3
42	0	18	1795946400	515	52	0	1	4
42	0	26	1795946400	434	271	-1	1	5
42	1	8	1795946400	2	100	0	1	6
42	1	9	1795946400	492	492	-1	1	7
42	2	1570	1795946400	210	210	-1	1	8
42	0	8	1795946700	663	72	-1	1	1
42	0	11	1795946700	70	126	-1	1	2
42	0	17	1795946700	126	210	-1	1	3
42	0	18	1795946700	525	53	0	1	4
42	0	26	1795946700	434	271	-1	1	5
42	1	8	1795946700	2	100	0	1	6
42	1	9	1795946700	433	433	-1	1	7
42	2	1570	1795946700	210	210	-1	1	8
42	0	8	1795947000	664	71	-1	1	1
42	0	11	1795947000	70	126	-1	1	2
42	0	17	1795947000	126	210	-1	1	3
42	0	18	1795947000	525	53	0	1	4
42	0	26	1795947000	433	272	-1	1	5
42	1	8	1795947000	2	100	0	1	6
42	1	9	1795947000	375	375	-1	1	7
42	2	1570	1795947000	210	210	-1	1	8
42	0	8	1795947300	664	71	-1	1	1
42	0	11	1795947300	70	126	-1	1	2
42	0	17	1795947300	127	215	-1	1	3
42	0	18	1795947300	525	53	0	1	4
42	0	26	1795947300	433	272	-1	1	5
42	1	8	1795947300	2	100	0	1	6
42	1	9	1795947300	316	316	-1	1	7
42	2	1570	1795947300	210	210	-1	1	8
42	0	8	1795947600	662	73	-1	1	1
42	0	11	1795947600	70	126	-1	1	2
42	0	17	1795947600	127	215	-1	1	3
42	0	18	1795947600	525	53	0	1	4
42	0	26	1795947600	433	272	-1	1	5
42	1	8	1795947600	2	100	0	1	6
42	1	9	1795947600	258	258	-1	1	7
42	2	1570	1795947600	210	210	-1	1	8
42	0	8	1795947900	658	76	-1	1	1
42	0	11	1795947900	70	126	-1	1	2
42	0	17	1795947900	127	215	-1	1	3
42	0	18	1795947900	525	53	0	1	4
42	0	26	1795947900	433	272	-1	1	5
42	1	8	1795947900	2	100	0	1	6
42	1	9	1795947900	200	200	-1	1	7
42	2	1570	1795947900	210	210	-1	1	8
42	0	8	1795948200	655	79	-1	1	1
42	0	11	1795948200	69	120	-1	1	2
42	0	17	1795948200	127	215	-1	1	3
42	0	18	1795948200	515	52	0	1	4
42	0	26	1795948200	466	242	-1	1	5
42	1	8	1795948200	0	0	0	1	6
42	1	9	1795948200	0	0	-1	1	7
42	2	1570	1795948200	210	210	-1	1	8
42	0	8	1795948500	653	81	-1	1	1
42	0	11	1795948500	69	120	-1	1	2
42	0	17	1795948500	127	215	-1	1	3
42	0	18	1795948500	515	52	0	1	4
42	0	26	1795948500	466	242	-1	1	5
42	1	8	1795948500	0	0	0	1	6
42	1	9	1795948500	0	0	-1	1	7
42	2	1570	1795948500	210	210	-1	1	8
42	0	8	1795948800	651	82	-1	1	1
42	0	11	1795948800	68	113	-1	1	2
42	0	17	1795948800	126	210	-1	1	3
42	0	18	1795948800	505	51	0	1	4
42	0	26	1795948800	466	242	-1	1	5
42	1	8	1795948800	0	0	0	1	6
42	1	9	1795948800	0	0	-1	1	7
42	2	1570	1795948800	210	210	-1	1	8
42	0	8	1795949100	653	81	-1	1	1
42	0	11	1795949100	68	113	-1	1	2
42	0	17	1795949100	126	210	-1	1	3
42	0	18	1795949100	495	50	0	1	4
42	0	26	1795949100	466	242	-1	1	5
42	1	8	1795949100	0	0	0	1	6
42	1	9	1795949100	0	0	-1	1	7
42	2	1570	1795949100	210	210	-1	1	8
42	0	8	1795949400	654	80	-1	1	1
42	0	11	1795949400	68	113	-1	1	2
42	0	17	1795949400	126	210	-1	1	3
42	0	18	1795949400	485	49	0	1	4
42	0	26	1795949400	466	242	-1	1	5
42	1	8	1795949400	0	0	0	1	6
42	1	9	1795949400	0	0	-1	1	7
42	2	1570	1795949400	210	210	-1	1	8
42	0	8	1795949700	655	79	-1	1	1
42	0	11	1795949700	68	113	-1	1	2
42	0	17	1795949700	125	205	-1	1	3
42	0	18	1795949700	475	48	0	1	4
42	0	26	1795949700	466	242	-1	1	5
42	1	8	1795949700	0	0	0	1	6
42	1	9	1795949700	0	0	-1	1	7
42	2	1570	1795949700	210	210	-1	1	8
42	0	8	1795950000	654	80	-1	1	1
42	0	11	1795950000	69	120	-1	1	2
42	0	17	1795950000	125	205	-1	1	3
42	0	18	1795950000	475	48	0	1	4
42	0	26	1795950000	465	243	-1	1	5
42	1	8	1795950000	0	0	0	1	6
42	1	9	1795950000	0	0	-1	1	7
42	2	1570	1795950000	210	210	-1	1	8
42	0	8	1795950300	653	81	-1	1	1
42	0	11	1795950300	69	120	-1	1	2
42	0	17	1795950300	125	205	-1	1	3
42	0	18	1795950300	465	47	0	1	4
42	0	26	1795950300	431	273	-1	1	5
42	1	8	1795950300	2	100	0	1	6
42	1	9	1795950300	502	502	-1	1	7
42	2	1570	1795950300	210	210	-1	1	8
42	0	8	1795950600	649	84	-1	1	1
42	0	11	1795950600	70	126	-1	1	2
42	0	17	1795950600	126	210	-1	1	3
42	0	18	1795950600	465	47	0	1	4
42	0	26	1795950600	431	273	-1	1	5
42	1	8	1795950600	2	100	0	1	6
42	1	9	1795950600	441	441	-1	1	7
42	2	1570	1795950600	210	210	-1	1	8
42	0	8	1795950900	647	86	-1	1	1
42	0	11	1795950900	70	126	-1	1	2
42	0	17	1795950900	126	210	-1	1	3
42	0	18	1795950900	455	46	0	1	4
42	0	26	1795950900	431	273	-1	1	5
42	1	8	1795950900	2	100	0	1	6
42	1	9	1795950900	381	381	-1	1	7
42	2	1570	1795950900	210	210	-1	1	8
42	0	8	1795951200	643	89	-1	1	1
42	0	11	1795951200	70	126	-1	1	2
42	0	17	1795951200	127	215	-1	1	3
42	0	18	1795951200	455	46	0	1	4
42	0	26	1795951200	431	273	-1	1	5
42	1	8	1795951200	2	100	0	1	6
42	1	9	1795951200	321	321	-1	1	7
42	2	1570	1795951200	210	210	-1	1	8
42	0	8	1795951500	643	89	-1	1	1
42	0	11	1795951500	70	126	-1	1	2
42	0	17	1795951500	127	215	-1	1	3
42	0	18	1795951500	455	46	0	1	4
42	0	26	1795951500	431	273	-1	1	5
42	1	8	1795951500	2	100	0	1	6
42	1	9	1795951500	261	261	-1	1	7
42	2	1570	1795951500	210	210	-1	1	8
42	0	8	1795951800	643	89	-1	1	1
42	0	11	1795951800	69	120	-1	1	2
42	0	17	1795951800	127	215	-1	1	3
42	0	18	1795951800	465	47	0	1	4
42	0	26	1795951800	431	273	-1	1	5
42	1	8	1795951800	2	100	0	1	6
42	1	9	1795951800	201	201	-1	1	7
42	2	1570	1795951800	210	210	-1	1	8
42	0	8	1795952100	645	88	-1	1	1
42	0	11	1795952100	69	120	-1	1	2
42	0	17	1795952100	127	215	-1	1	3
42	0	18	1795952100	465	47	0	1	4
42	0	26	1795952100	465	243	-1	1	5
42	1	8	1795952100	0	0	0	1	6
42	1	9	1795952100	0	0	-1	1	7
42	2	1570	1795952100	210	210	-1	1	8
42	0	8	1795952400	646	87	-1	1	1
42	0	11	1795952400	68	113	-1	1	2
42	0	17	1795952400	127	215	-1	1	3
42	0	18	1795952400	465	47	0	1	4
42	0	26	1795952400	465	243	-1	1	5
42	1	8	1795952400	0	0	0	1	6
42	1	9	1795952400	0	0	-1	1	7
42	2	1570	1795952400	210	210	-1	1	8
42	0	8	1795952700	646	87	-1	1	1
42	0	11	1795952700	68	113	-1	1	2
42	0	17	1795952700	126	210	-1	1	3
42	0	18	1795952700	475	48	0	1	4
42	0	26	1795952700	465	243	-1	1	5
42	1	8	1795952700	0	0	0	1	6
42	1	9	1795952700	0	0	-1	1	7
42	2	1570	1795952700	210	210	-1	1	8
42	0	8	1795953000	645	88	-1	1	1
42	0	11	1795953000	68	113	-1	1	2
42	0	17	1795953000	126	210	-1	1	3
42	0	18	1795953000	475	48	0	1	4
42	0	26	1795953000	465	243	-1	1	5
42	1	8	1795953000	0	0	0	1	6
42	1	9	1795953000	0	0	-1	1	7
42	2	1570	1795953000	210	210	-1	1	8
42	0	8	1795953300	641	91	-1	1	1
42	0	11	1795953300	68	113	-1	1	2
42	0	17	1795953300	126	210	-1	1	3
42	0	18	1795953300	475	48	0	1	4
42	0	26	1795953300	465	243	-1	1	5
42	1	8	1795953300	0	0	0	1	6
42	1	9	1795953300	0	0	-1	1	7
42	2	1570	1795953300	210	210	-1	1	8
42	0	8	1795953600	638	93	-1	1	1
42	0	11	1795953600	68	113	-1	1	2
42	0	17	1795953600	125	205	-1	1	3
42	0	18	1795953600	475	48	0	1	4
42	0	26	1795953600	463	244	-1	1	5
42	1	8	1795953600	0	0	0	1	6
42	1	9	1795953600	0	0	-1	1	7
42	2	1570	1795953600	210	210	-1	1	8
42	0	8	1795953900	636	95	-1	1	1
42	0	11	1795953900	69	120	-1	1	2
42	0	17	1795953900	125	205	-1	1	3
42	0	18	1795953900	475	48	0	1	4
42	0	26	1795953900	463	244	-1	1	5
42	1	8	1795953900	0	0	0	1	6
42	1	9	1795953900	0	0	-1	1	7
42	2	1570	1795953900	210	210	-1	1	8
42	0	8	1795954200	635	96	-1	1	1
42	0	11	1795954200	70	126	-1	1	2
42	0	17	1795954200	125	205	-1	1	3
42	0	18	1795954200	475	48	0	1	4
42	0	26	1795954200	430	274	-1	1	5
42	1	8	1795954200	2	100	0	1	6
42	1	9	1795954200	493	493	-1	1	7
42	2	1570	1795954200	210	210	-1	1	8
42	0	8	1795954500	636	95	-1	1	1
42	0	11	1795954500	70	126	-1	1	2
42	0	17	1795954500	126	210	-1	1	3
42	0	18	1795954500	475	48	0	1	4
42	0	26	1795954500	430	274	-1	1	5
42	1	8	1795954500	2	100	0	1	6
42	1	9	1795954500	431	431	-1	1	7
42	2	1570	1795954500	210	210	-1	1	8
42	0	8	1795954800	637	94	-1	1	1
42	0	11	1795954800	70	126	-1	1	2
42	0	17	1795954800	126	210	-1	1	3
42	0	18	1795954800	465	47	0	1	4
42	0	26	1795954800	430	274	-1	1	5
42	1	8	1795954800	2	100	0	1	6
42	1	9	1795954800	370	370	-1	1	7
42	2	1570	1795954800	210	210	-1	1	8
42	0	8	1795955100	638	93	-1	1	1
42	0	11	1795955100	70	126	-1	1	2
42	0	17	1795955100	127	215	-1	1	3
42	0	18	1795955100	455	46	0	1	4
42	0	26	1795955100	430	274	-1	1	5
42	1	8	1795955100	2	100	0	1	6
42	1	9	1795955100	309	309	-1	1	7
42	2	1570	1795955100	210	210	-1	1	8
42	0	8	1795955400	638	93	-1	1	1
42	0	11	1795955400	70	126	-1	1	2
42	0	17	1795955400	127	215	-1	1	3
42	0	18	1795955400	445	45	0	1	4
42	0	26	1795955400	430	274	-1	1	5
42	1	8	1795955400	2	100	0	1	6
42	1	9	1795955400	249	249	-1	1	7
42	2	1570	1795955400	210	210	-1	1	8
42	0	8	1795955700	637	94	-1	1	1
42	0	11	1795955700	69	120	-1	1	2
42	0	17	1795955700	127	215	-1	1	3
42	0	18	1795955700	445	45	0	1	4
42	0	26	1795955700	463	244	-1	1	5
42	1	8	1795955700	0	0	0	1	6
42	1	9	1795955700	0	0	-1	1	7
42	2	1570	1795955700	210	210	-1	1	8
42	0	8	1795956000	635	96	-1	1	1
42	0	11	1795956000	69	120	-1	1	2
42	0	17	1795956000	126	210	-1	1	3
42	0	18	1795956000	435	44	0	1	4
42	0	26	1795956000	463	244	-1	1	5
42	1	8	1795956000	0	0	0	1	6
42	1	9	1795956000	0	0	-1	1	7
42	2	1570	1795956000	210	210	-1	1	8
42	0	8	1795956300	631	99	-1	1	1
42	0	11	1795956300	68	113	-1	1	2
42	0	17	1795956300	126	210	-1	1	3
42	0	18	1795956300	425	43	0	1	4
42	0	26	1795956300	463	244	-1	1	5
42	1	8	1795956300	0	0	0	1	6
42	1	9	1795956300	0	0	-1	1	7
42	2	1570	1795956300	210	210	-1	1	8
42	0	8	1795956600	629	101	-1	1	1
42	0	11	1795956600	68	113	-1	1	2
42	0	17	1795956600	126	210	-1	1	3
42	0	18	1795956600	425	43	0	1	4
42	0	26	1795956600	463	244	-1	1	5
42	1	8	1795956600	0	0	0	1	6
42	1	9	1795956600	0	0	-1	1	7
42	2	1570	1795956600	210	210	-1	1	8
42	0	8	1795956900	629	101	-1	1	1
42	0	11	1795956900	68	113	-1	1	2
42	0	17	1795956900	125	205	-1	1	3
42	0	18	1795956900	425	43	0	1	4
42	0	26	1795956900	463	244	-1	1	5
42	1	8	1795956900	0	0	0	1	6
42	1	9	1795956900	0	0	-1	1	7
42	2	1570	1795956900	210	210	-1	1	8
42	0	8	1795957200	630	100	-1	1	1
42	0	11	1795957200	68	113	-1	1	2
42	0	17	1795957200	125	205	-1	1	3
42	0	18	1795957200	425	43	0	1	4
42	0	26	1795957200	463	244	-1	1	5
42	1	8	1795957200	0	0	0	1	6
42	1	9	1795957200	0	0	-1	1	7
42	2	1570	1795957200	210	210	-1	1	8
42	0	8	1795957500	631	99	-1	1	1
42	0	11	1795957500	69	120	-1	1	2
42	0	17	1795957500	125	205	-1	1	3
42	0	18	1795957500	425	43	0	1	4
42	0	26	1795957500	463	244	-1	1	5
42	1	8	1795957500	0	0	0	1	6
42	1	9	1795957500	0	0	-1	1	7
42	2	1570	1795957500	210	210	-1	1	8
42	0	8	1795957800	633	98	-1	1	1
42	0	11	1795957800	69	120	-1	1	2
42	0	17	1795957800	125	205	-1	1	3
42	0	18	1795957800	425	43	0	1	4
42	0	26	1795957800	430	274	-1	1	5
42	1	8	1795957800	2	100	0	1	6
42	1	9	1795957800	532	532	-1	1	7
42	2	1570	1795957800	210	210	-1	1	8
42	0	8	1795958100	634	97	-1	1	1
42	0	11	1795958100	70	126	-1	1	2
42	0	17	1795958100	126	210	-1	1	3
42	0	18	1795958100	435	44	0	1	4
42	0	26	1795958100	430	274	-1	1	5
42	1	8	1795958100	2	100	0	1	6
42	1	9	1795958100	470	470	-1	1	7
42	2	1570	1795958100	210	210	-1	1	8
42	0	8	1795958400	631	99	-1	1	1
42	0	11	1795958400	70	126	-1	1	2
42	0	17	1795958400	126	210	-1	1	3
42	0	18	1795958400	435	44	0	1	4
42	0	26	1795958400	429	275	-1	1	5
42	1	8	1795958400	2	100	0	1	6
42	1	9	1795958400	408	408	-1	1	7
42	2	1570	1795958400	210	210	-1	1	8
42	0	8	1795958700	629	101	-1	1	1
42	0	11	1795958700	70	126	-1	1	2
42	0	17	1795958700	126	210	-1	1	3
42	0	18	1795958700	445	45	0	1	4
42	0	26	1795958700	429	275	-1	1	5
42	1	8	1795958700	2	100	0	1	6
42	1	9	1795958700	346	346	-1	1	7
42	2	1570	1795958700	210	210	-1	1	8
42	0	8	1795959000	627	103	-1	1	1
42	0	11	1795959000	70	126	-1	1	2
42	0	17	1795959000	127	215	-1	1	3
42	0	18	1795959000	445	45	0	1	4
42	0	26	1795959000	429	275	-1	1	5
42	1	8	1795959000	2	100	0	1	6
42	1	9	1795959000	284	284	-1	1	7
42	2	1570	1795959000	210	210	-1	1	8
42	0	8	1795959300	625	105	-1	1	1
42	0	11	1795959300	70	126	-1	1	2
42	0	17	1795959300	127	215	-1	1	3
42	0	18	1795959300	445	45	0	1	4
42	0	26	1795959300	429	275	-1	1	5
42	1	8	1795959300	2	100	0	1	6
42	1	9	1795959300	222	222	-1	1	7
42	2	1570	1795959300	210	210	-1	1	8
42	0	8	1795959600	625	105	-1	1	1
42	0	11	1795959600	69	120	-1	1	2
42	0	17	1795959600	127	215	-1	1	3
42	0	18	1795959600	455	46	0	1	4
42	0	26	1795959600	462	245	-1	1	5
42	1	8	1795959600	0	0	0	1	6
42	1	9	1795959600	0	0	-1	1	7
42	2	1570	1795959600	210	210	-1	1	8
42	0	8	1795959900	626	104	-1	1	1
42	0	11	1795959900	68	113	-1	1	2
42	0	17	1795959900	127	215	-1	1	3
42	0	18	1795959900	455	46	0	1	4
42	0	26	1795959900	462	245	-1	1	5
42	1	8	1795959900	0	0	0	1	6
42	1	9	1795959900	0	0	-1	1	7
42	2	1570	1795959900	210	210	-1	1	8
42	0	8	1795960200	628	102	-1	1	1
42	0	11	1795960200	68	113	-1	1	2
42	0	17	1795960200	126	210	-1	1	3
42	0	18	1795960200	445	45	0	1	4
42	0	26	1795960200	462	245	-1	1	5
42	1	8	1795960200	0	0	0	1	6
42	1	9	1795960200	0	0	-1	1	7
42	2	1570	1795960200	210	210	-1	1	8
42	0	8	1795960500	629	101	-1	1	1
42	0	11	1795960500	68	113	-1	1	2
42	0	17	1795960500	126	210	-1	1	3
42	0	18	1795960500	445	45	0	1	4
42	0	26	1795960500	462	245	-1	1	5
42	1	8	1795960500	0	0	0	1	6
42	1	9	1795960500	0	0	-1	1	7
42	2	1570	1795960500	210	210	-1	1	8
42	0	8	1795960800	630	100	-1	1	1
42	0	11	1795960800	68	113	-1	1	2
42	0	17	1795960800	126	210	-1	1	3
42	0	18	1795960800	445	45	0	1	4
42	0	26	1795960800	462	245	-1	1	5
42	1	8	1795960800	0	0	0	1	6
42	1	9	1795960800	0	0	-1	1	7
42	2	1570	1795960800	210	210	-1	1	8
42	0	8	1795961100	628	102	-1	1	1
42	0	11	1795961100	68	113	-1	1	2
42	0	17	1795961100	125	205	-1	1	3
42	0	18	1795961100	435	44	0	1	4
42	0	26	1795961100	462	245	-1	1	5
42	1	8	1795961100	0	0	0	1	6
42	1	9	1795961100	0	0	-1	1	7
42	2	1570	1795961100	210	210	-1	1	8
42	0	8	1795961400	626	104	-1	1	1
42	0	11	1795961400	69	120	-1	1	2
42	0	17	1795961400	125	205	-1	1	3
42	0	18	1795961400	425	43	0	1	4
42	0	26	1795961400	462	245	-1	1	5
42	1	8	1795961400	0	0	0	1	6
42	1	9	1795961400	0	0	-1	1	7
42	2	1570	1795961400	210	210	-1	1	8
42	0	8	1795961700	623	106	-1	1	1
42	0	11	1795961700	70	126	-1	1	2
42	0	17	1795961700	125	205	-1	1	3
42	0	18	1795961700	425	43	0	1	4
42	0	26	1795961700	429	275	-1	1	5
42	1	8	1795961700	2	100	0	1	6
42	1	9	1795961700	502	502	-1	1	7
42	2	1570	1795961700	210	210	-1	1	8
42	0	8	1795962000	622	107	-1	1	1
42	0	11	1795962000	70	126	-1	1	2
42	0	17	1795962000	126	210	-1	1	3
42	0	18	1795962000	415	42	0	1	4
42	0	26	1795962000	429	275	-1	1	5
42	1	8	1795962000	2	100	0	1	6
42	1	9	1795962000	439	439	-1	1	7
42	2	1570	1795962000	210	210	-1	1	8
42	0	8	1795962300	622	107	-1	1	1
42	0	11	1795962300	70	126	-1	1	2
42	0	17	1795962300	126	210	-1	1	3
42	0	18	1795962300	415	42	0	1	4
42	0	26	1795962300	429	275	-1	1	5
42	1	8	1795962300	2	100	0	1	6
42	1	9	1795962300	376	376	-1	1	7
42	2	1570	1795962300	210	210	-1	1	8
42	0	8	1795962600	623	106	-1	1	1
42	0	11	1795962600	70	126	-1	1	2
42	0	17	1795962600	127	215	-1	1	3
42	0	18	1795962600	405	41	0	1	4
42	0	26	1795962600	429	275	-1	1	5
42	1	8	1795962600	2	100	0	1	6
42	1	9	1795962600	314	314	-1	1	7
42	2	1570	1795962600	210	210	-1	1	8
42	0	8	1795962900	626	104	-1	1	1
42	0	11	1795962900	70	126	-1	1	2
42	0	17	1795962900	127	215	-1	1	3
42	0	18	1795962900	405	41	0	1	4
42	0	26	1795962900	429	275	-1	1	5
42	1	8	1795962900	2	100	0	1	6
42	1	9	1795962900	252	252	-1	1	7
42	2	1570	1795962900	210	210	-1	1	8
42	0	8	1795963200	628	102	-1	1	1
42	0	11	1795963200	69	120	-1	1	2
42	0	17	1795963200	127	215	-1	1	3
42	0	18	1795963200	405	41	0	1	4
42	0	26	1795963200	429	275	-1	1	5
42	1	8	1795963200	2	100	0	1	6
42	1	9	1795963200	191	191	-1	1	7
42	2	1570	1795963200	210	210	-1	1	8
42	0	8	1795963500	628	102	-1	1	1
42	0	11	1795963500	69	120	-1	1	2
42	0	17	1795963500	127	215	-1	1	3
42	0	18	1795963500	405	41	0	1	4
42	0	26	1795963500	462	245	-1	1	5
42	1	8	1795963500	0	0	0	1	6
42	1	9	1795963500	0	0	-1	1	7
42	2	1570	1795963500	210	210	-1	1	8
42	0	8	1795963800	627	103	-1	1	1
42	0	11	1795963800	68	113	-1	1	2
42	0	17	1795963800	127	215	-1	1	3
42	0	18	1795963800	415	42	0	1	4
42	0	26	1795963800	462	245	-1	1	5
42	1	8	1795963800	0	0	0	1	6
42	1	9	1795963800	0	0	-1	1	7
42	2	1570	1795963800	210	210	-1	1	8
42	0	8	1795964100	625	105	-1	1	1
42	0	11	1795964100	68	113	-1	1	2
42	0	17	1795964100	126	210	-1	1	3
42	0	18	1795964100	415	42	0	1	4
42	0	26	1795964100	462	245	-1	1	5
42	1	8	1795964100	0	0	0	1	6
42	1	9	1795964100	0	0	-1	1	7
42	2	1570	1795964100	210	210	-1	1	8
42	0	8	1795964400	622	107	-1	1	1
42	0	11	1795964400	68	113	-1	1	2
42	0	17	1795964400	126	210	-1	1	3
42	0	18	1795964400	425	43	0	1	4
42	0	26	1795964400	462	245	-1	1	5
42	1	8	1795964400	0	0	0	1	6
42	1	9	1795964400	0	0	-1	1	7
42	2	1570	1795964400	210	210	-1	1	8
42	0	8	1795964700	621	108	-1	1	1
42	0	11	1795964700	68	113	-1	1	2
42	0	17	1795964700	126	210	-1	1	3
42	0	18	1795964700	425	43	0	1	4
42	0	26	1795964700	462	245	-1	1	5
42	1	8	1795964700	0	0	0	1	6
42	1	9	1795964700	0	0	-1	1	7
42	2	1570	1795964700	210	210	-1	1	8
42	0	8	1795965000	621	108	-1	1	1
42	0	11	1795965000	69	120	-1	1	2
42	0	17	1795965000	125	205	-1	1	3
42	0	18	1795965000	435	44	0	1	4
42	0	26	1795965000	462	245	-1	1	5
42	1	8	1795965000	0	0	0	1	6
42	1	9	1795965000	0	0	-1	1	7
42	2	1570	1795965000	210	210	-1	1	8
42	0	8	1795965300	623	106	-1	1	1
42	0	11	1795965300	69	120	-1	1	2
42	0	17	1795965300	125	205	-1	1	3
42	0	18	1795965300	445	45	0	1	4
42	0	26	1795965300	462	245	-1	1	5
42	1	8	1795965300	0	0	0	1	6
42	1	9	1795965300	0	0	-1	1	7
42	2	1570	1795965300	210	210	-1	1	8
42	0	8	1795965600	626	104	-1	1	1
42	0	11	1795965600	70	126	-1	1	2
42	0	17	1795965600	125	205	-1	1	3
42	0	18	1795965600	445	45	0	1	4
42	0	26	1795965600	462	245	-1	1	5
42	1	8	1795965600	0	0	0	1	6
42	1	9	1795965600	0	0	-1	1	7
42	2	1570	1795965600	210	210	-1	1	8
42	0	8	1795965900	628	102	-1	1	1
42	0	11	1795965900	70	126	-1	1	2
42	0	17	1795965900	125	205	-1	1	3
42	0	18	1795965900	445	45	0	1	4
42	0	26	1795965900	429	275	-1	1	5
42	1	8	1795965900	2	100	0	1	6
42	1	9	1795965900	518	518	-1	1	7
42	2	1570	1795965900	210	210	-1	1	8
42	0	8	1795966200	628	102	-1	1	1
42	0	11	1795966200	70	126	-1	1	2
42	0	17	1795966200	126	210	-1	1	3
42	0	18	1795966200	445	45	0	1	4
42	0	26	1795966200	429	275	-1	1	5
42	1	8	1795966200	2	100	0	1	6
42	1	9	1795966200	455	455	-1	1	7
42	2	1570	1795966200	210	210	-1	1	8
42	0	8	1795966500	628	102	-1	1	1
42	0	11	1795966500	70	126	-1	1	2
42	0	17	1795966500	126	210	-1	1	3
42	0	18	1795966500	445	45	0	1	4
42	0	26	1795966500	429	275	-1	1	5
42	1	8	1795966500	2	100	0	1	6
42	1	9	1795966500	393	393	-1	1	7
42	2	1570	1795966500	210	210	-1	1	8
42	0	8	1795966800	626	104	-1	1	1
42	0	11	1795966800	70	126	-1	1	2
42	0	17	1795966800	126	210	-1	1	3
42	0	18	1795966800	445	45	0	1	4
42	0	26	1795966800	429	275	-1	1	5
42	1	8	1795966800	2	100	0	1	6
42	1	9	1795966800	331	331	-1	1	7
42	2	1570	1795966800	210	210	-1	1	8
42	0	8	1795967100	623	106	-1	1	1
42	0	11	1795967100	69	120	-1	1	2
42	0	17	1795967100	127	215	-1	1	3
42	0	18	1795967100	435	44	0	1	4
42	0	26	1795967100	429	275	-1	1	5
42	1	8	1795967100	2	100	0	1	6
42	1	9	1795967100	268	268	-1	1	7
42	2	1570	1795967100	210	210	-1	1	8
42	0	8	1795967400	622	107	-1	1	1
42	0	11	1795967400	68	113	-1	1	2
42	0	17	1795967400	127	215	-1	1	3
42	0	18	1795967400	435	44	0	1	4
42	0	26	1795967400	429	275	-1	1	5
42	1	8	1795967400	2	100	0	1	6
42	1	9	1795967400	206	206	-1	1	7
42	2	1570	1795967400	210	210	-1	1	8
42	0	8	1795967700	623	106	-1	1	1
42	0	11	1795967700	68	113	-1	1	2
42	0	17	1795967700	127	215	-1	1	3
42	0	18	1795967700	425	43	0	1	4
42	0	26	1795967700	462	245	-1	1	5
42	1	8	1795967700	0	0	0	1	6
42	1	9	1795967700	0	0	-1	1	7
42	2	1570	1795967700	210	210	-1	1	8
42	0	8	1795968000	625	105	-1	1	1
42	0	11	1795968000	68	113	-1	1	2
42	0	17	1795968000	127	215	-1	1	3
42	0	18	1795968000	415	42	0	1	4
42	0	26	1795968000	462	245	-1	1	5
42	1	8	1795968000	0	0	0	1	6
42	1	9	1795968000	0	0	-1	1	7
42	2	1570	1795968000	210	210	-1	1	8
42	0	8	1795968300	628	102	-1	1	1
42	0	11	1795968300	68	113	-1	1	2
42	0	17	1795968300	126	210	-1	1	3
42	0	18	1795968300	415	42	0	1	4
42	0	26	1795968300	462	245	-1	1	5
42	1	8	1795968300	0	0	0	1	6
42	1	9	1795968300	0	0	-1	1	7
42	2	1570	1795968300	210	210	-1	1	8
42	0	8	1795968600	630	100	-1	1	1
42	0	11	1795968600	68	113	-1	1	2
42	0	17	1795968600	126	210	-1	1	3
42	0	18	1795968600	415	42	0	1	4
42	0	26	1795968600	462	245	-1	1	5
42	1	8	1795968600	0	0	0	1	6
42	1	9	1795968600	0	0	-1	1	7
42	2	1570	1795968600	210	210	-1	1	8
42	0	8	1795968900	630	100	-1	1	1
42	0	11	1795968900	69	120	-1	1	2
42	0	17	1795968900	126	210	-1	1	3
42	0	18	1795968900	415	42	0	1	4
42	0	26	1795968900	462	245	-1	1	5
42	1	8	1795968900	0	0	0	1	6
42	1	9	1795968900	0	0	-1	1	7
42	2	1570	1795968900	210	210	-1	1	8
42	0	8	1795969200	630	100	-1	1	1
42	0	11	1795969200	69	120	-1	1	2
42	0	17	1795969200	125	205	-1	1	3
42	0	18	1795969200	415	42	0	1	4
42	0	26	1795969200	462	245	-1	1	5
42	1	8	1795969200	0	0	0	1	6
42	1	9	1795969200	0	0	-1	1	7
42	2	1570	1795969200	210	210	-1	1	8
42	0	8	1795969500	628	102	-1	1	1
42	0	11	1795969500	70	126	-1	1	2
42	0	17	1795969500	125	205	-1	1	3
42	0	18	1795969500	415	42	0	1	4
42	0	26	1795969500	462	245	-1	1	5
42	1	8	1795969500	0	0	0	1	6
42	1	9	1795969500	0	0	-1	1	7
42	2	1570	1795969500	210	210	-1	1	8
42	0	8	1795969800	627	103	-1	1	1
42	0	11	1795969800	70	126	-1	1	2
42	0	17	1795969800	125	205	-1	1	3
42	0	18	1795969800	415	42	0	1	4
42	0	26	1795969800	429	275	-1	1	5
42	1	8	1795969800	2	100	0	1	6
42	1	9	1795969800	487	487	-1	1	7
42	2	1570	1795969800	210	210	-1	1	8
42	0	8	1795970100	626	104	-1	1	1
42	0	11	1795970100	70	126	-1	1	2
42	0	17	1795970100	126	210	-1	1	3
42	0	18	1795970100	425	43	0	1	4
42	0	26	1795970100	429	275	-1	1	5
42	1	8	1795970100	2	100	0	1	6
42	1	9	1795970100	425	425	-1	1	7
42	2	1570	1795970100	210	210	-1	1	8
42	0	8	1795970400	627	103	-1	1	1
42	0	11	1795970400	70	126	-1	1	2
42	0	17	1795970400	126	210	-1	1	3
42	0	18	1795970400	435	44	0	1	4
42	0	26	1795970400	429	275	-1	1	5
42	1	8	1795970400	2	100	0	1	6
42	1	9	1795970400	362	362	-1	1	7
42	2	1570	1795970400	210	210	-1	1	8
42	0	8	1795970700	628	102	-1	1	1
42	0	11	1795970700	69	120	-1	1	2
42	0	17	1795970700	127	215	-1	1	3
42	0	18	1795970700	445	45	0	1	4
42	0	26	1795970700	430	274	-1	1	5
42	1	8	1795970700	2	100	0	1	6
42	1	9	1795970700	300	300	-1	1	7
42	2	1570	1795970700	210	210	-1	1	8
42	0	8	1795971000	631	99	-1	1	1
42	0	11	1795971000	69	120	-1	1	2
42	0	17	1795971000	127	215	-1	1	3
42	0	18	1795971000	445	45	0	1	4
42	0	26	1795971000	430	274	-1	1	5
42	1	8	1795971000	2	100	0	1	6
42	1	9	1795971000	239	239	-1	1	7
42	2	1570	1795971000	210	210	-1	1	8
42	0	8	1795971300	634	97	-1	1	1
42	0	11	1795971300	68	113	-1	1	2
42	0	17	1795971300	127	215	-1	1	3
42	0	18	1795971300	455	46	0	1	4
42	0	26	1795971300	463	244	-1	1	5
42	1	8	1795971300	0	0	0	1	6
42	1	9	1795971300	0	0	-1	1	7
42	2	1570	1795971300	210	210	-1	1	8
42	0	8	1795971600	635	96	-1	1	1
42	0	11	1795971600	68	113	-1	1	2
42	0	17	1795971600	126	210	-1	1	3
42	0	18	1795971600	455	46	0	1	4
42	0	26	1795971600	463	244	-1	1	5
42	1	8	1795971600	0	0	0	1	6
42	1	9	1795971600	0	0	-1	1	7
42	2	1570	1795971600	210	210	-1	1	8
42	0	8	1795971900	635	96	-1	1	1
42	0	11	1795971900	68	113	-1	1	2
42	0	17	1795971900	126	210	-1	1	3
42	0	18	1795971900	465	47	0	1	4
42	0	26	1795971900	463	244	-1	1	5
42	1	8	1795971900	0	0	0	1	6
42	1	9	1795971900	0	0	-1	1	7
42	2	1570	1795971900	210	210	-1	1	8
42	0	8	1795972200	633	98	-1	1	1
42	0	11	1795972200	68	113	-1	1	2
42	0	17	1795972200	126	210	-1	1	3
42	0	18	1795972200	465	47	0	1	4
42	0	26	1795972200	463	244	-1	1	5
42	1	8	1795972200	0	0	0	1	6
42	1	9	1795972200	0	0	-1	1	7
42	2	1570	1795972200	210	210	-1	1	8
42	0	8	1795972500	631	99	-1	1	1
42	0	11	1795972500	69	120	-1	1	2
42	0	17	1795972500	125	205	-1	1	3
42	0	18	1795972500	465	47	0	1	4
42	0	26	1795972500	463	244	-1	1	5
42	1	8	1795972500	0	0	0	1	6
42	1	9	1795972500	0	0	-1	1	7
42	2	1570	1795972500	210	210	-1	1	8
42	0	8	1795972800	630	100	-1	1	1
42	0	11	1795972800	69	120	-1	1	2
42	0	17	1795972800	125	205	-1	1	3
42	0	18	1795972800	465	47	0	1	4
42	0	26	1795972800	463	244	-1	1	5
42	1	8	1795972800	0	0	0	1	6
42	1	9	1795972800	0	0	-1	1	7
42	2	1570	1795972800	210	210	-1	1	8
42	0	8	1795973100	631	99	-1	1	1
42	0	11	1795973100	70	126	-1	1	2
42	0	17	1795973100	125	205	-1	1	3
42	0	18	1795973100	455	46	0	1	4
42	0	26	1795973100	463	244	-1	1	5
42	1	8	1795973100	0	0	0	1	6
42	1	9	1795973100	0	0	-1	1	7
42	2	1570	1795973100	210	210	-1	1	8
42	0	8	1795973400	634	97	-1	1	1
42	0	11	1795973400	70	126	-1	1	2
42	0	17	1795973400	125	205	-1	1	3
42	0	18	1795973400	455	46	0	1	4
42	0	26	1795973400	430	274	-1	1	5
42	1	8	1795973400	2	100	0	1	6
42	1	9	1795973400	523	523	-1	1	7
42	2	1570	1795973400	210	210	-1	1	8
42	0	8	1795973700	637	94	-1	1	1
42	0	11	1795973700	70	126	-1	1	2
42	0	17	1795973700	126	210	-1	1	3
42	0	18	1795973700	445	45	0	1	4
42	0	26	1795973700	430	274	-1	1	5
42	1	8	1795973700	2	100	0	1	6
42	1	9	1795973700	462	462	-1	1	7
42	2	1570	1795973700	210	210	-1	1	8
42	0	8	1795974000	639	92	-1	1	1
42	0	11	1795974000	70	126	-1	1	2
42	0	17	1795974000	126	210	-1	1	3
42	0	18	1795974000	445	45	0	1	4
42	0	26	1795974000	430	274	-1	1	5
42	1	8	1795974000	2	100	0	1	6
42	1	9	1795974000	401	401	-1	1	7
42	2	1570	1795974000	210	210	-1	1	8
42	0	8	1795974300	641	91	-1	1	1
42	0	11	1795974300	70	126	-1	1	2
42	0	17	1795974300	126	210	-1	1	3
42	0	18	1795974300	445	45	0	1	4
42	0	26	1795974300	430	274	-1	1	5
42	1	8	1795974300	2	100	0	1	6
42	1	9	1795974300	340	340	-1	1	7
42	2	1570	1795974300	210	210	-1	1	8
42	0	8	1795974600	641	91	-1	1	1
42	0	11	1795974600	69	120	-1	1	2
42	0	17	1795974600	127	215	-1	1	3
42	0	18	1795974600	435	44	0	1	4
42	0	26	1795974600	430	274	-1	1	5
42	1	8	1795974600	2	100	0	1	6
42	1	9	1795974600	280	280	-1	1	7
42	2	1570	1795974600	210	210	-1	1	8
42	0	8	1795974900	639	92	-1	1	1
42	0	11	1795974900	69	120	-1	1	2
42	0	17	1795974900	127	215	-1	1	3
42	0	18	1795974900	435	44	0	1	4
42	0	26	1795974900	430	274	-1	1	5
42	1	8	1795974900	2	100	0	1	6
42	1	9	1795974900	219	219	-1	1	7
42	2	1570	1795974900	210	210	-1	1	8
42	0	8	1795975200	637	94	-1	1	1
42	0	11	1795975200	68	113	-1	1	2
42	0	17	1795975200	127	215	-1	1	3
42	0	18	1795975200	445	45	0	1	4
42	0	26	1795975200	463	244	-1	1	5
42	1	8	1795975200	0	0	0	1	6
42	1	9	1795975200	0	0	-1	1	7
42	2	1570	1795975200	210	210	-1	1	8
42	0	8	1795975500	637	94	-1	1	1
42	0	11	1795975500	68	113	-1	1	2
42	0	17	1795975500	127	215	-1	1	3
42	0	18	1795975500	445	45	0	1	4
42	0	26	1795975500	465	243	-1	1	5
42	1	8	1795975500	0	0	0	1	6
42	1	9	1795975500	0	0	-1	1	7
42	2	1570	1795975500	210	210	-1	1	8
42	0	8	1795975800	638	93	-1	1	1
42	0	11	1795975800	68	113	-1	1	2
42	0	17	1795975800	126	210	-1	1	3
42	0	18	1795975800	445	45	0	1	4
42	0	26	1795975800	465	243	-1	1	5
42	1	8	1795975800	0	0	0	1	6
42	1	9	1795975800	0	0	-1	1	7
42	2	1570	1795975800	210	210	-1	1	8
42	0	8	1795976100	641	91	-1	1	1
42	0	11	1795976100	68	113	-1	1	2
42	0	17	1795976100	126	210	-1	1	3
42	0	18	1795976100	455	46	0	1	4
42	0	26	1795976100	465	243	-1	1	5
42	1	8	1795976100	0	0	0	1	6
42	1	9	1795976100	0	0	-1	1	7
42	2	1570	1795976100	210	210	-1	1	8
42	0	8	1795976400	645	88	-1	1	1
42	0	11	1795976400	69	120	-1	1	2
42	0	17	1795976400	126	210	-1	1	3
42	0	18	1795976400	465	47	0	1	4
42	0	26	1795976400	465	243	-1	1	5
42	1	8	1795976400	0	0	0	1	6
42	1	9	1795976400	0	0	-1	1	7
42	2	1570	1795976400	210	210	-1	1	8
42	0	8	1795976700	647	86	-1	1	1
42	0	11	1795976700	69	120	-1	1	2
42	0	17	1795976700	125	205	-1	1	3
42	0	18	1795976700	475	48	0	1	4
42	0	26	1795976700	465	243	-1	1	5
42	1	8	1795976700	0	0	0	1	6
42	1	9	1795976700	0	0	-1	1	7
42	2	1570	1795976700	210	210	-1	1	8
42	0	8	1795977000	649	84	-1	1	1
42	0	11	1795977000	70	126	-1	1	2
42	0	17	1795977000	125	205	-1	1	3
42	0	18	1795977000	475	48	0	1	4
42	0	26	1795977000	465	243	-1	1	5
42	1	8	1795977000	0	0	0	1	6
42	1	9	1795977000	0	0	-1	1	7
42	2	1570	1795977000	210	210	-1	1	8
42	0	8	1795977300	648	85	-1	1	1
42	0	11	1795977300	70	126	-1	1	2
42	0	17	1795977300	125	205	-1	1	3
42	0	18	1795977300	485	49	0	1	4
42	0	26	1795977300	431	273	-1	1	5
42	1	8	1795977300	2	100	0	1	6
42	1	9	1795977300	512	512	-1	1	7
42	2	1570	1795977300	210	210	-1	1	8
42	0	8	1795977600	647	86	-1	1	1
42	0	11	1795977600	70	126	-1	1	2
42	0	17	1795977600	126	210	-1	1	3
42	0	18	1795977600	495	50	0	1	4
42	0	26	1795977600	431	273	-1	1	5
42	1	8	1795977600	2	100	0	1	6
42	1	9	1795977600	452	452	-1	1	7
42	2	1570	1795977600	210	210	-1	1	8
42	0	8	1795977900	646	87	-1	1	1
42	0	11	1795977900	70	126	-1	1	2
42	0	17	1795977900	126	210	-1	1	3
42	0	18	1795977900	495	50	0	1	4
42	0	26	1795977900	431	273	-1	1	5
42	1	8	1795977900	2	100	0	1	6
42	1	9	1795977900	391	391	-1	1	7
42	2	1570	1795977900	210	210	-1	1	8
42	0	8	1795978200	646	87	-1	1	1
42	0	11	1795978200	69	120	-1	1	2
42	0	17	1795978200	126	210	-1	1	3
42	0	18	1795978200	505	51	0	1	4
42	0	26	1795978200	431	273	-1	1	5
42	1	8	1795978200	2	100	0	1	6
42	1	9	1795978200	331	331	-1	1	7
42	2	1570	1795978200	210	210	-1	1	8
42	0	8	1795978500	647	86	-1	1	1
42	0	11	1795978500	69	120	-1	1	2
42	0	17	1795978500	127	215	-1	1	3
42	0	18	1795978500	505	51	0	1	4
42	0	26	1795978500	431	273	-1	1	5
42	1	8	1795978500	2	100	0	1	6
42	1	9	1795978500	271	271	-1	1	7
42	2	1570	1795978500	210	210	-1	1	8
42	0	8	1795978800	649	84	-1	1	1
42	0	11	1795978800	51	2	-1	1	2
42	0	17	1795978800	127	215	-1	1	3
42	0	18	1795978800	505	51	0	1	4
42	0	26	1795978800	465	243	-1	1	5
42	1	8	1795978800	0	0	0	1	6
42	1	9	1795978800	0	0	-1	1	7
42	2	1570	1795978800	160	160	-1	1	8
42	0	8	1795979100	653	81	-1	1	1
42	0	11	1795979100	51	2	-1	1	2
42	0	17	1795979100	126	210	-1	1	3
42	0	18	1795979100	495	50	0	1	4
42	0	26	1795979100	466	242	-1	1	5
42	1	8	1795979100	0	0	0	1	6
42	1	9	1795979100	0	0	-1	1	7
42	2	1570	1795979100	160	160	-1	1	8
42	0	8	1795979400	656	78	-1	1	1
42	0	11	1795979400	51	2	-1	1	2
42	0	17	1795979400	126	210	-1	1	3
42	0	18	1795979400	495	50	0	1	4
42	0	26	1795979400	466	242	-1	1	5
42	1	8	1795979400	0	0	0	1	6
42	1	9	1795979400	0	0	-1	1	7
42	2	1570	1795979400	160	160	-1	1	8
42	0	8	1795979700	657	77	-1	1	1
42	0	11	1795979700	51	2	-1	1	2
42	0	17	1795979700	125	205	-1	1	3
42	0	18	1795979700	495	50	0	1	4
42	0	26	1795979700	466	242	-1	1	5
42	1	8	1795979700	0	0	0	1	6
42	1	9	1795979700	0	0	-1	1	7
42	2	1570	1795979700	160	160	-1	1	8
42	0	8	1795980000	657	77	-1	1	1
42	0	11	1795980000	51	2	-1	1	2
42	0	17	1795980000	125	205	-1	1	3
42	0	18	1795980000	485	49	0	1	4
42	0	26	1795980000	466	242	-1	1	5
42	1	8	1795980000	0	0	0	1	6
42	1	9	1795980000	0	0	-1	1	7
42	2	1570	1795980000	160	160	-1	1	8
42	0	8	1795980300	656	78	-1	1	1
42	0	11	1795980300	51	2	-1	1	2
42	0	17	1795980300	125	205	-1	1	3
42	0	18	1795980300	485	49	0	1	4
42	0	26	1795980300	466	242	-1	1	5
42	1	8	1795980300	0	0	0	1	6
42	1	9	1795980300	0	0	-1	1	7
42	2	1570	1795980300	160	160	-1	1	8
42	0	8	1795980600	655	79	-1	1	1
42	0	11	1795980600	51	2	-1	1	2
42	0	17	1795980600	124	200	-1	1	3
42	0	18	1795980600	485	49	0	1	4
42	0	26	1795980600	466	242	-1	1	5
42	1	8	1795980600	0	0	0	1	6
42	1	9	1795980600	0	0	-1	1	7
42	2	1570	1795980600	160	160	-1	1	8
42	0	8	1795980900	655	79	-1	1	1
42	0	11	1795980900	51	2	-1	1	2
42	0	17	1795980900	124	200	-1	1	3
42	0	18	1795980900	485	49	0	1	4
42	0	26	1795980900	466	242	-1	1	5
42	1	8	1795980900	0	0	0	1	6
42	1	9	1795980900	0	0	-1	1	7
42	2	1570	1795980900	160	160	-1	1	8
42	0	8	1795981200	656	78	-1	1	1
42	0	11	1795981200	51	2	-1	1	2
42	0	17	1795981200	124	200	-1	1	3
42	0	18	1795981200	485	49	0	1	4
42	0	26	1795981200	466	242	-1	1	5
42	1	8	1795981200	0	0	0	1	6
42	1	9	1795981200	0	0	-1	1	7
42	2	1570	1795981200	160	160	-1	1	8
42	0	8	1795981500	659	75	-1	1	1
42	0	11	1795981500	51	2	-1	1	2
42	0	17	1795981500	123	195	-1	1	3
42	0	18	1795981500	485	49	0	1	4
42	0	26	1795981500	466	242	-1	1	5
42	1	8	1795981500	0	0	0	1	6
42	1	9	1795981500	0	0	-1	1	7
42	2	1570	1795981500	160	160	-1	1	8
42	0	8	1795981800	663	72	-1	1	1
42	0	11	1795981800	51	2	-1	1	2
42	0	17	1795981800	123	195	-1	1	3
42	0	18	1795981800	495	50	0	1	4
42	0	26	1795981800	466	242	-1	1	5
42	1	8	1795981800	0	0	0	1	6
42	1	9	1795981800	0	0	-1	1	7
42	2	1570	1795981800	160	160	-1	1	8
42	0	8	1795982100	665	70	-1	1	1
42	0	11	1795982100	51	2	-1	1	2
42	0	17	1795982100	123	195	-1	1	3
42	0	18	1795982100	495	50	0	1	4
42	0	26	1795982100	467	241	-1	1	5
42	1	8	1795982100	0	0	0	1	6
42	1	9	1795982100	0	0	-1	1	7
42	2	1570	1795982100	160	160	-1	1	8
42	0	8	1795982400	666	69	-1	1	1
42	0	11	1795982400	51	2	-1	1	2
42	0	17	1795982400	122	190	-1	1	3
42	0	18	1795982400	505	51	0	1	4
42	0	26	1795982400	467	241	-1	1	5
42	1	8	1795982400	0	0	0	1	6
42	1	9	1795982400	0	0	-1	1	7
42	2	1570	1795982400	160	160	-1	1	8
42	0	8	1795982700	666	69	-1	1	1
42	0	11	1795982700	51	2	-1	1	2
42	0	17	1795982700	122	190	-1	1	3
42	0	18	1795982700	515	52	0	1	4
42	0	26	1795982700	467	241	-1	1	5
42	1	8	1795982700	0	0	0	1	6
42	1	9	1795982700	0	0	-1	1	7
42	2	1570	1795982700	160	160	-1	1	8
42	0	8	1795983000	665	70	-1	1	1
42	0	11	1795983000	51	2	-1	1	2
42	0	17	1795983000	122	190	-1	1	3
42	0	18	1795983000	525	53	0	1	4
42	0	26	1795983000	467	241	-1	1	5
42	1	8	1795983000	0	0	0	1	6
42	1	9	1795983000	0	0	-1	1	7
42	2	1570	1795983000	160	160	-1	1	8
42	0	8	1795983300	664	71	-1	1	1
42	0	11	1795983300	51	2	-1	1	2
42	0	17	1795983300	121	185	-1	1	3
42	0	18	1795983300	535	54	0	1	4
42	0	26	1795983300	467	241	-1	1	5
42	1	8	1795983300	0	0	0	1	6
42	1	9	1795983300	0	0	-1	1	7
42	2	1570	1795983300	160	160	-1	1	8
42	0	8	1795983600	664	71	-1	1	1
42	0	11	1795983600	51	2	-1	1	2
42	0	17	1795983600	121	185	-1	1	3
42	0	18	1795983600	535	54	0	1	4
42	0	26	1795983600	467	241	-1	1	5
42	1	8	1795983600	0	0	0	1	6
42	1	9	1795983600	0	0	-1	1	7
42	2	1570	1795983600	160	160	-1	1	8
42	0	8	1795983900	666	69	-1	1	1
42	0	11	1795983900	51	2	-1	1	2
42	0	17	1795983900	121	185	-1	1	3
42	0	18	1795983900	545	55	0	1	4
42	0	26	1795983900	467	241	-1	1	5
42	1	8	1795983900	0	0	0	1	6
42	1	9	1795983900	0	0	-1	1	7
42	2	1570	1795983900	160	160	-1	1	8
42	0	8	1795984200	669	67	-1	1	1
42	0	11	1795984200	51	2	-1	1	2
42	0	17	1795984200	120	181	-1	1	3
42	0	18	1795984200	545	55	0	1	4
42	0	26	1795984200	467	241	-1	1	5
42	1	8	1795984200	0	0	0	1	6
42	1	9	1795984200	0	0	-1	1	7
42	2	1570	1795984200	160	160	-1	1	8
42	0	8	1795984500	672	64	-1	1	1
42	0	11	1795984500	51	2	-1	1	2
42	0	17	1795984500	120	181	-1	1	3
42	0	18	1795984500	555	56	0	1	4
42	0	26	1795984500	467	241	-1	1	5
42	1	8	1795984500	0	0	0	1	6
42	1	9	1795984500	0	0	-1	1	7
42	2	1570	1795984500	160	160	-1	1	8
42	0	8	1795984800	675	61	-1	1	1
42	0	11	1795984800	51	2	-1	1	2
42	0	17	1795984800	120	181	-1	1	3
42	0	18	1795984800	555	56	0	1	4
42	0	26	1795984800	468	240	-1	1	5
42	1	8	1795984800	0	0	0	1	6
42	1	9	1795984800	0	0	-1	1	7
42	2	1570	1795984800	160	160	-1	1	8
42	0	8	1795985100	677	60	-1	1	1
42	0	11	1795985100	51	2	-1	1	2
42	0	17	1795985100	119	176	-1	1	3
42	0	18	1795985100	545	55	0	1	4
42	0	26	1795985100	468	240	-1	1	5
42	1	8	1795985100	0	0	0	1	6
42	1	9	1795985100	0	0	-1	1	7
42	2	1570	1795985100	160	160	-1	1	8
42	0	8	1795985400	677	60	-1	1	1
42	0	11	1795985400	51	2	-1	1	2
42	0	17	1795985400	119	176	-1	1	3
42	0	18	1795985400	545	55	0	1	4
42	0	26	1795985400	468	240	-1	1	5
42	1	8	1795985400	0	0	0	1	6
42	1	9	1795985400	0	0	-1	1	7
42	2	1570	1795985400	160	160	-1	1	8
42	0	8	1795985700	675	61	-1	1	1
42	0	11	1795985700	51	2	-1	1	2
42	0	17	1795985700	119	176	-1	1	3
42	0	18	1795985700	545	55	0	1	4
42	0	26	1795985700	468	240	-1	1	5
42	1	8	1795985700	0	0	0	1	6
42	1	9	1795985700	0	0	-1	1	7
42	2	1570	1795985700	160	160	-1	1	8
42	0	8	1795986000	674	62	-1	1	1
42	0	11	1795986000	51	2	-1	1	2
42	0	17	1795986000	118	171	-1	1	3
42	0	18	1795986000	545	55	0	1	4
42	0	26	1795986000	468	240	-1	1	5
42	1	8	1795986000	0	0	0	1	6
42	1	9	1795986000	0	0	-1	1	7
42	2	1570	1795986000	160	160	-1	1	8
42	0	8	1795986300	674	62	-1	1	1
42	0	11	1795986300	51	2	-1	1	2
42	0	17	1795986300	118	171	-1	1	3
42	0	18	1795986300	535	54	0	1	4
42	0	26	1795986300	468	240	-1	1	5
42	1	8	1795986300	0	0	0	1	6
42	1	9	1795986300	0	0	-1	1	7
42	2	1570	1795986300	160	160	-1	1	8
42	0	8	1795986600	675	61	-1	1	1
42	0	11	1795986600	51	2	-1	1	2
42	0	17	1795986600	118	171	-1	1	3
42	0	18	1795986600	535	54	0	1	4
42	0	26	1795986600	468	240	-1	1	5
42	1	8	1795986600	0	0	0	1	6
42	1	9	1795986600	0	0	-1	1	7
42	2	1570	1795986600	160	160	-1	1	8
42	0	8	1795986900	679	58	-1	1	1
42	0	11	1795986900	51	2	-1	1	2
42	0	17	1795986900	117	166	-1	1	3
42	0	18	1795986900	535	54	0	1	4
42	0	26	1795986900	468	240	-1	1	5
42	1	8	1795986900	0	0	0	1	6
42	1	9	1795986900	0	0	-1	1	7
42	2	1570	1795986900	160	160	-1	1	8
42	0	8	1795987200	682	55	-1	1	1
42	0	11	1795987200	51	2	-1	1	2
42	0	17	1795987200	117	166	-1	1	3
42	0	18	1795987200	535	54	0	1	4
42	0	26	1795987200	468	240	-1	1	5
42	1	8	1795987200	0	0	0	1	6
42	1	9	1795987200	0	0	-1	1	7
42	2	1570	1795987200	160	160	-1	1	8
42	0	8	1795987500	685	52	-1	1	1
42	0	11	1795987500	51	2	-1	1	2
42	0	17	1795987500	117	166	-1	1	3
42	0	18	1795987500	535	54	0	1	4
42	0	26	1795987500	469	239	-1	1	5
42	1	8	1795987500	0	0	0	1	6
42	1	9	1795987500	0	0	-1	1	7
42	2	1570	1795987500	160	160	-1	1	8
42	0	8	1795987800	686	51	-1	1	1
42	0	11	1795987800	51	2	-1	1	2
42	0	17	1795987800	116	161	-1	1	3
42	0	18	1795987800	545	55	0	1	4
42	0	26	1795987800	469	239	-1	1	5
42	1	8	1795987800	0	0	0	1	6
42	1	9	1795987800	0	0	-1	1	7
42	2	1570	1795987800	160	160	-1	1	8
42	0	8	1795988100	686	51	-1	1	1
42	0	11	1795988100	51	2	-1	1	2
42	0	17	1795988100	116	161	-1	1	3
42	0	18	1795988100	545	55	0	1	4
42	0	26	1795988100	469	239	-1	1	5
42	1	8	1795988100	0	0	0	1	6
42	1	9	1795988100	0	0	-1	1	7
42	2	1570	1795988100	160	160	-1	1	8
42	0	8	1795988400	685	52	-1	1	1
42	0	11	1795988400	51	2	-1	1	2
42	0	17	1795988400	116	161	-1	1	3
42	0	18	1795988400	555	56	0	1	4
42	0	26	1795988400	469	239	-1	1	5
42	1	8	1795988400	0	0	0	1	6
42	1	9	1795988400	0	0	-1	1	7
42	2	1570	1795988400	160	160	-1	1	8
42	0	8	1795988700	684	53	-1	1	1
42	0	11	1795988700	51	2	-1	1	2
42	0	17	1795988700	115	156	-1	1	3
42	0	18	1795988700	565	57	0	1	4
42	0	26	1795988700	469	239	-1	1	5
42	1	8	1795988700	0	0	0	1	6
42	1	9	1795988700	0	0	-1	1	7
42	2	1570	1795988700	160	160	-1	1	8
42	0	8	1795989000	684	53	-1	1	1
42	0	11	1795989000	51	2	-1	1	2
42	0	17	1795989000	115	156	-1	1	3
42	0	18	1795989000	575	58	0	1	4
42	0	26	1795989000	469	239	-1	1	5
42	1	8	1795989000	0	0	0	1	6
42	1	9	1795989000	0	0	-1	1	7
42	2	1570	1795989000	160	160	-1	1	8
42	0	8	1795989300	685	52	-1	1	1
42	0	11	1795989300	51	2	-1	1	2
42	0	17	1795989300	115	156	-1	1	3
42	0	18	1795989300	585	59	0	1	4
42	0	26	1795989300	469	239	-1	1	5
42	1	8	1795989300	0	0	0	1	6
42	1	9	1795989300	0	0	-1	1	7
42	2	1570	1795989300	160	160	-1	1	8
42	0	8	1795989600	689	49	-1	1	1
42	0	11	1795989600	51	2	-1	1	2
42	0	17	1795989600	115	156	-1	1	3
42	0	18	1795989600	595	60	0	1	4
42	0	26	1795989600	436	269	-1	1	5
42	1	8	1795989600	2	100	0	1	6
42	1	9	1795989600	517	517	-1	1	7
42	2	1570	1795989600	160	160	-1	1	8
42	0	8	1795989900	692	46	-1	1	1
42	0	11	1795989900	51	2	-1	1	2
42	0	17	1795989900	115	156	-1	1	3
42	0	18	1795989900	595	60	0	1	4
42	0	26	1795989900	436	269	-1	1	5
42	1	8	1795989900	2	100	0	1	6
42	1	9	1795989900	455	455	-1	1	7
42	2	1570	1795989900	160	160	-1	1	8
42	0	8	1795990200	694	44	-1	1	1
42	0	11	1795990200	51	2	-1	1	2
42	0	17	1795990200	116	161	-1	1	3
42	0	18	1795990200	605	61	0	1	4
42	0	26	1795990200	437	268	-1	1	5
42	1	8	1795990200	2	100	0	1	6
42	1	9	1795990200	394	394	-1	1	7
42	2	1570	1795990200	160	160	-1	1	8
42	0	8	1795990500	695	43	-1	1	1
42	0	11	1795990500	51	2	-1	1	2
42	0	17	1795990500	116	161	-1	1	3
42	0	18	1795990500	605	61	0	1	4
42	0	26	1795990500	437	268	-1	1	5
42	1	8	1795990500	2	100	0	1	6
42	1	9	1795990500	333	333	-1	1	7
42	2	1570	1795990500	160	160	-1	1	8
42	0	8	1795990800	695	43	-1	1	1
42	0	11	1795990800	51	2	-1	1	2
42	0	17	1795990800	117	166	-1	1	3
42	0	18	1795990800	605	61	0	1	4
42	0	26	1795990800	437	268	-1	1	5
42	1	8	1795990800	2	100	0	1	6
42	1	9	1795990800	272	272	-1	1	7
42	2	1570	1795990800	160	160	-1	1	8
42	0	8	1795991100	694	44	-1	1	1
42	0	11	1795991100	51	2	-1	1	2
42	0	17	1795991100	117	166	-1	1	3
42	0	18	1795991100	605	61	0	1	4
42	0	26	1795991100	437	268	-1	1	5
42	1	8	1795991100	2	100	0	1	6
42	1	9	1795991100	211	211	-1	1	7
42	2	1570	1795991100	160	160	-1	1	8
42	0	8	1795991400	693	45	-1	1	1
42	0	11	1795991400	51	2	-1	1	2
42	0	17	1795991400	117	166	-1	1	3
42	0	18	1795991400	595	60	0	1	4
42	0	26	1795991400	470	238	-1	1	5
42	1	8	1795991400	0	0	0	1	6
42	1	9	1795991400	0	0	-1	1	7
42	2	1570	1795991400	160	160	-1	1	8
42	0	8	1795991700	693	45	-1	1	1
42	0	11	1795991700	51	2	-1	1	2
42	0	17	1795991700	116	161	-1	1	3
42	0	18	1795991700	595	60	0	1	4
42	0	26	1795991700	470	238	-1	1	5
42	1	8	1795991700	0	0	0	1	6
42	1	9	1795991700	0	0	-1	1	7
42	2	1570	1795991700	160	160	-1	1	8
42	0	8	1795992000	695	43	-1	1	1
42	0	11	1795992000	51	2	-1	1	2
42	0	17	1795992000	116	161	-1	1	3
42	0	18	1795992000	595	60	0	1	4
42	0	26	1795992000	470	238	-1	1	5
42	1	8	1795992000	0	0	0	1	6
42	1	9	1795992000	0	0	-1	1	7
42	2	1570	1795992000	160	160	-1	1	8
42	0	8	1795992300	697	41	-1	1	1
42	0	11	1795992300	51	2	-1	1	2
42	0	17	1795992300	116	161	-1	1	3
42	0	18	1795992300	585	59	0	1	4
42	0	26	1795992300	470	238	-1	1	5
42	1	8	1795992300	0	0	0	1	6
42	1	9	1795992300	0	0	-1	1	7
42	2	1570	1795992300	160	160	-1	1	8
42	0	8	1795992600	701	38	-1	1	1
42	0	11	1795992600	51	2	-1	1	2
42	0	17	1795992600	115	156	-1	1	3
42	0	18	1795992600	585	59	0	1	4
42	0	26	1795992600	470	238	-1	1	5
42	1	8	1795992600	0	0	0	1	6
42	1	9	1795992600	0	0	-1	1	7
42	2	1570	1795992600	160	160	-1	1	8
42	0	8	1795992900	703	36	-1	1	1
42	0	11	1795992900	51	2	-1	1	2
42	0	17	1795992900	115	156	-1	1	3
42	0	18	1795992900	585	59	0	1	4
42	0	26	1795992900	470	238	-1	1	5
42	1	8	1795992900	0	0	0	1	6
42	1	9	1795992900	0	0	-1	1	7
42	2	1570	1795992900	160	160	-1	1	8
42	0	8	1795993200	704	35	-1	1	1
42	0	11	1795993200	51	2	-1	1	2
42	0	17	1795993200	115	156	-1	1	3
42	0	18	1795993200	585	59	0	1	4
42	0	26	1795993200	470	238	-1	1	5
42	1	8	1795993200	0	0	0	1	6
42	1	9	1795993200	0	0	-1	1	7
42	2	1570	1795993200	160	160	-1	1	8
42	0	8	1795993500	704	35	-1	1	1
42	0	11	1795993500	51	2	-1	1	2
42	0	17	1795993500	115	156	-1	1	3
42	0	18	1795993500	585	59	0	1	4
42	0	26	1795993500	438	267	-1	1	5
42	1	8	1795993500	2	100	0	1	6
42	1	9	1795993500	504	504	-1	1	7
42	2	1570	1795993500	160	160	-1	1	8
42	0	8	1795993800	703	36	-1	1	1
42	0	11	1795993800	51	2	-1	1	2
42	0	17	1795993800	116	161	-1	1	3
42	0	18	1795993800	595	60	0	1	4
42	0	26	1795993800	438	267	-1	1	5
42	1	8	1795993800	2	100	0	1	6
42	1	9	1795993800	444	444	-1	1	7
42	2	1570	1795993800	160	160	-1	1	8
42	0	8	1795994100	702	37	-1	1	1
42	0	11	1795994100	51	2	-1	1	2
42	0	17	1795994100	116	161	-1	1	3
42	0	18	1795994100	595	60	0	1	4
42	0	26	1795994100	438	267	-1	1	5
42	1	8	1795994100	2	100	0	1	6
42	1	9	1795994100	383	383	-1	1	7
42	2	1570	1795994100	160	160	-1	1	8
42	0	8	1795994400	702	37	-1	1	1
42	0	11	1795994400	51	2	-1	1	2
42	0	17	1795994400	116	161	-1	1	3
42	0	18	1795994400	605	61	0	1	4
42	0	26	1795994400	438	267	-1	1	5
42	1	8	1795994400	2	100	0	1	6
42	1	9	1795994400	323	323	-1	1	7
42	2	1570	1795994400	160	160	-1	1	8
42	0	8	1795994700	703	36	-1	1	1
42	0	11	1795994700	51	2	-1	1	2
42	0	17	1795994700	117	166	-1	1	3
42	0	18	1795994700	615	62	0	1	4
42	0	26	1795994700	438	267	-1	1	5
42	1	8	1795994700	2	100	0	1	6
42	1	9	1795994700	263	263	-1	1	7
42	2	1570	1795994700	160	160	-1	1	8
42	0	8	1795995000	706	33	-1	1	1
42	0	11	1795995000	51	2	-1	1	2
42	0	17	1795995000	117	166	-1	1	3
42	0	18	1795995000	625	63	0	1	4
42	0	26	1795995000	438	267	-1	1	5
42	1	8	1795995000	2	100	0	1	6
42	1	9	1795995000	204	204	-1	1	7
42	2	1570	1795995000	160	160	-1	1	8
42	0	8	1795995300	709	31	-1	1	1
42	0	11	1795995300	51	2	-1	1	2
42	0	17	1795995300	117	166	-1	1	3
42	0	18	1795995300	625	63	0	1	4
42	0	26	1795995300	471	237	-1	1	5
42	1	8	1795995300	0	0	0	1	6
42	1	9	1795995300	0	0	-1	1	7
42	2	1570	1795995300	160	160	-1	1	8
42	0	8	1795995600	712	28	-1	1	1
42	0	11	1795995600	51	2	-1	1	2
42	0	17	1795995600	116	161	-1	1	3
42	0	18	1795995600	635	64	0	1	4
42	0	26	1795995600	471	237	-1	1	5
42	1	8	1795995600	0	0	0	1	6
42	1	9	1795995600	0	0	-1	1	7
42	2	1570	1795995600	160	160	-1	1	8
42	0	8	1795995900	713	27	-1	1	1
42	0	11	1795995900	51	2	-1	1	2
42	0	17	1795995900	116	161	-1	1	3
42	0	18	1795995900	645	65	0	1	4
42	0	26	1795995900	471	237	-1	1	5
42	1	8	1795995900	0	0	0	1	6
42	1	9	1795995900	0	0	-1	1	7
42	2	1570	1795995900	160	160	-1	1	8
42	0	8	1795996200	712	28	-1	1	1
42	0	11	1795996200	51	2	-1	1	2
42	0	17	1795996200	116	161	-1	1	3
42	0	18	1795996200	645	65	0	1	4
42	0	26	1795996200	471	237	-1	1	5
42	1	8	1795996200	0	0	0	1	6
42	1	9	1795996200	0	0	-1	1	7
42	2	1570	1795996200	160	160	-1	1	8
42	0	8	1795996500	711	29	-1	1	1
42	0	11	1795996500	51	2	-1	1	2
42	0	17	1795996500	115	156	-1	1	3
42	0	18	1795996500	645	65	0	1	4
42	0	26	1795996500	471	237	-1	1	5
42	1	8	1795996500	0	0	0	1	6
42	1	9	1795996500	0	0	-1	1	7
42	2	1570	1795996500	160	160	-1	1	8
42	0	8	1795996800	710	30	-1	1	1
42	0	11	1795996800	51	2	-1	1	2
42	0	17	1795996800	115	156	-1	1	3
42	0	18	1795996800	645	65	0	1	4
42	0	26	1795996800	473	236	-1	1	5
42	1	8	1795996800	0	0	0	1	6
42	1	9	1795996800	0	0	-1	1	7
42	2	1570	1795996800	160	160	-1	1	8
42	0	8	1795997100	710	30	-1	1	1
42	0	11	1795997100	51	2	-1	1	2
42	0	17	1795997100	115	156	-1	1	3
42	0	18	1795997100	645	65	0	1	4
42	0	26	1795997100	473	236	-1	1	5
42	1	8	1795997100	0	0	0	1	6
42	1	9	1795997100	0	0	-1	1	7
42	2	1570	1795997100	160	160	-1	1	8
42	0	8	1795997400	711	29	-1	1	1
42	0	11	1795997400	51	2	-1	1	2
42	0	17	1795997400	115	156	-1	1	3
42	0	18	1795997400	645	65	0	1	4
42	0	26	1795997400	439	266	-1	1	5
42	1	8	1795997400	2	100	0	1	6
42	1	9	1795997400	507	507	-1	1	7
42	2	1570	1795997400	160	160	-1	1	8
42	0	8	1795997700	713	27	-1	1	1
42	0	11	1795997700	51	2	-1	1	2
42	0	17	1795997700	115	156	-1	1	3
42	0	18	1795997700	635	64	0	1	4
42	0	26	1795997700	439	266	-1	1	5
42	1	8	1795997700	2	100	0	1	6
42	1	9	1795997700	448	448	-1	1	7
42	2	1570	1795997700	160	160	-1	1	8
42	0	8	1795998000	716	24	-1	1	1
42	0	11	1795998000	51	2	-1	1	2
42	0	17	1795998000	116	161	-1	1	3
42	0	18	1795998000	635	64	0	1	4
42	0	26	1795998000	439	266	-1	1	5
42	1	8	1795998000	2	100	0	1	6
42	1	9	1795998000	389	389	-1	1	7
42	2	1570	1795998000	160	160	-1	1	8
42	0	8	1795998300	718	22	-1	1	1
42	0	11	1795998300	51	2	-1	1	2
42	0	17	1795998300	116	161	-1	1	3
42	0	18	1795998300	635	64	0	1	4
42	0	26	1795998300	439	266	-1	1	5
42	1	8	1795998300	2	100	0	1	6
42	1	9	1795998300	330	330	-1	1	7
42	2	1570	1795998300	160	160	-1	1	8
42	0	8	1795998600	719	21	-1	1	1
42	0	11	1795998600	51	2	-1	1	2
42	0	17	1795998600	117	166	-1	1	3
42	0	18	1795998600	625	63	0	1	4
42	0	26	1795998600	439	266	-1	1	5
42	1	8	1795998600	2	100	0	1	6
42	1	9	1795998600	272	272	-1	1	7
42	2	1570	1795998600	160	160	-1	1	8
42	0	8	1795998900	718	22	-1	1	1
42	0	11	1795998900	51	2	-1	1	2
42	0	17	1795998900	117	166	-1	1	3
42	0	18	1795998900	625	63	0	1	4
42	0	26	1795998900	439	266	-1	1	5
42	1	8	1795998900	2	100	0	1	6
42	1	9	1795998900	214	214	-1	1	7
42	2	1570	1795998900	160	160	-1	1	8
42	0	8	1795999200	716	24	-1	1	1
42	0	11	1795999200	51	2	-1	1	2
42	0	17	1795999200	117	166	-1	1	3
42	0	18	1795999200	625	63	0	1	4
42	0	26	1795999200	473	236	-1	1	5
42	1	8	1795999200	0	0	0	1	6
42	1	9	1795999200	0	0	-1	1	7
42	2	1570	1795999200	160	160	-1	1	8
42	0	8	1795999500	715	25	-1	1	1
42	0	11	1795999500	51	2	-1	1	2
42	0	17	1795999500	116	161	-1	1	3
42	0	18	1795999500	625	63	0	1	4
42	0	26	1795999500	473	236	-1	1	5
42	1	8	1795999500	0	0	0	1	6
42	1	9	1795999500	0	0	-1	1	7
42	2	1570	1795999500	160	160	-1	1	8
42	0	8	1795999800	715	25	-1	1	1
42	0	11	1795999800	51	2	-1	1	2
42	0	17	1795999800	116	161	-1	1	3
42	0	18	1795999800	625	63	0	1	4
42	0	26	1795999800	473	236	-1	1	5
42	1	8	1795999800	0	0	0	1	6
42	1	9	1795999800	0	0	-1	1	7
42	2	1570	1795999800	160	160	-1	1	8
42	0	8	1796000100	716	24	-1	1	1
42	0	11	1796000100	51	2	-1	1	2
42	0	17	1796000100	116	161	-1	1	3
42	0	18	1796000100	635	64	0	1	4
42	0	26	1796000100	473	236	-1	1	5
42	1	8	1796000100	0	0	0	1	6
42	1	9	1796000100	0	0	-1	1	7
42	2	1570	1796000100	160	160	-1	1	8
42	0	8	1796000400	718	22	-1	1	1
42	0	11	1796000400	51	2	-1	1	2
42	0	17	1796000400	115	156	-1	1	3
42	0	18	1796000400	635	64	0	1	4
42	0	26	1796000400	473	236	-1	1	5
42	1	8	1796000400	0	0	0	1	6
42	1	9	1796000400	0	0	-1	1	7
42	2	1570	1796000400	160	160	-1	1	8
42	0	8	1796000700	721	19	-1	1	1
42	0	11	1796000700	51	2	-1	1	2
42	0	17	1796000700	115	156	-1	1	3
42	0	18	1796000700	645	65	0	1	4
42	0	26	1796000700	473	236	-1	1	5
42	1	8	1796000700	0	0	0	1	6
42	1	9	1796000700	0	0	-1	1	7
42	2	1570	1796000700	160	160	-1	1	8
42	0	8	1796001000	723	17	-1	1	1
42	0	11	1796001000	51	2	-1	1	2
42	0	17	1796001000	114	152	-1	1	3
42	0	18	1796001000	655	66	0	1	4
42	0	26	1796001000	473	236	-1	1	5
42	1	8	1796001000	0	0	0	1	6
42	1	9	1796001000	0	0	-1	1	7
42	2	1570	1796001000	160	160	-1	1	8
42	0	8	1796001300	723	17	-1	1	1
42	0	11	1796001300	51	2	-1	1	2
42	0	17	1796001300	115	156	-1	1	3
42	0	18	1796001300	655	66	0	1	4
42	0	26	1796001300	439	266	-1	1	5
42	1	8	1796001300	2	100	0	1	6
42	1	9	1796001300	524	524	-1	1	7
42	2	1570	1796001300	160	160	-1	1	8
42	0	8	1796001600	722	18	-1	1	1
42	0	11	1796001600	51	2	-1	1	2
42	0	17	1796001600	115	156	-1	1	3
42	0	18	1796001600	665	67	0	1	4
42	0	26	1796001600	440	265	-1	1	5
42	1	8	1796001600	2	100	0	1	6
42	1	9	1796001600	466	466	-1	1	7
42	2	1570	1796001600	160	160	-1	1	8
42	0	8	1796001900	721	19	-1	1	1
42	0	11	1796001900	51	2	-1	1	2
42	0	17	1796001900	116	161	-1	1	3
42	0	18	1796001900	675	68	0	1	4
42	0	26	1796001900	440	265	-1	1	5
42	1	8	1796001900	2	100	0	1	6
42	1	9	1796001900	407	407	-1	1	7
42	2	1570	1796001900	160	160	-1	1	8
42	0	8	1796002200	719	21	-1	1	1
42	0	11	1796002200	51	2	-1	1	2
42	0	17	1796002200	116	161	-1	1	3
42	0	18	1796002200	675	68	0	1	4
42	0	26	1796002200	440	265	-1	1	5
42	1	8	1796002200	2	100	0	1	6
42	1	9	1796002200	349	349	-1	1	7
42	2	1570	1796002200	160	160	-1	1	8
42	0	8	1796002500	719	21	-1	1	1
42	0	11	1796002500	51	2	-1	1	2
42	0	17	1796002500	117	166	-1	1	3
42	0	18	1796002500	675	68	0	1	4
42	0	26	1796002500	440	265	-1	1	5
42	1	8	1796002500	2	100	0	1	6
42	1	9	1796002500	291	291	-1	1	7
42	2	1570	1796002500	160	160	-1	1	8
42	0	8	1796002800	720	20	-1	1	1
42	0	11	1796002800	51	2	-1	1	2
42	0	17	1796002800	117	166	-1	1	3
42	0	18	1796002800	675	68	0	1	4
42	0	26	1796002800	440	265	-1	1	5
42	1	8	1796002800	2	100	0	1	6
42	1	9	1796002800	233	233	-1	1	7
42	2	1570	1796002800	160	160	-1	1	8
42	0	8	1796003100	722	18	-1	1	1
42	0	11	1796003100	51	2	-1	1	2
42	0	17	1796003100	117	166	-1	1	3
42	0	18	1796003100	675	68	0	1	4
42	0	26	1796003100	474	235	-1	1	5
42	1	8	1796003100	0	0	0	1	6
42	1	9	1796003100	0	0	-1	1	7
42	2	1570	1796003100	160	160	-1	1	8
42	0	8	1796003400	725	16	-1	1	1
42	0	11	1796003400	51	2	-1	1	2
42	0	17	1796003400	116	161	-1	1	3
42	0	18	1796003400	675	68	0	1	4
42	0	26	1796003400	474	235	-1	1	5
42	1	8	1796003400	0	0	0	1	6
42	1	9	1796003400	0	0	-1	1	7
42	2	1570	1796003400	160	160	-1	1	8
42	0	8	1796003700	727	14	-1	1	1
42	0	11	1796003700	51	2	-1	1	2
42	0	17	1796003700	116	161	-1	1	3
42	0	18	1796003700	665	67	0	1	4
42	0	26	1796003700	474	235	-1	1	5
42	1	8	1796003700	0	0	0	1	6
42	1	9	1796003700	0	0	-1	1	7
42	2	1570	1796003700	160	160	-1	1	8
42	0	8	1796004000	727	14	-1	1	1
42	0	11	1796004000	51	2	-1	1	2
42	0	17	1796004000	115	156	-1	1	3
42	0	18	1796004000	665	67	0	1	4
42	0	26	1796004000	474	235	-1	1	5
42	1	8	1796004000	0	0	0	1	6
42	1	9	1796004000	0	0	-1	1	7
42	2	1570	1796004000	160	160	-1	1	8
42	0	8	1796004300	726	15	-1	1	1
42	0	11	1796004300	51	2	-1	1	2
42	0	17	1796004300	115	156	-1	1	3
42	0	18	1796004300	655	66	0	1	4
42	0	26	1796004300	474	235	-1	1	5
42	1	8	1796004300	0	0	0	1	6
42	1	9	1796004300	0	0	-1	1	7
42	2	1570	1796004300	160	160	-1	1	8
42	0	8	1796004600	723	17	-1	1	1
42	0	11	1796004600	51	2	-1	1	2
42	0	17	1796004600	115	156	-1	1	3
42	0	18	1796004600	655	66	0	1	4
42	0	26	1796004600	474	235	-1	1	5
42	1	8	1796004600	0	0	0	1	6
42	1	9	1796004600	0	0	-1	1	7
42	2	1570	1796004600	160	160	-1	1	8
42	0	8	1796004900	722	18	-1	1	1
42	0	11	1796004900	51	2	-1	1	2
42	0	17	1796004900	115	156	-1	1	3
42	0	18	1796004900	645	65	0	1	4
42	0	26	1796004900	440	265	-1	1	5
42	1	8	1796004900	2	100	0	1	6
42	1	9	1796004900	496	496	-1	1	7
42	2	1570	1796004900	160	160	-1	1	8
42	0	8	1796005200	721	19	-1	1	1
42	0	11	1796005200	51	2	-1	1	2
42	0	17	1796005200	116	161	-1	1	3
42	0	18	1796005200	645	65	0	1	4
42	0	26	1796005200	440	265	-1	1	5
42	1	8	1796005200	2	100	0	1	6
42	1	9	1796005200	437	437	-1	1	7
42	2	1570	1796005200	160	160	-1	1	8
42	0	8	1796005500	722	18	-1	1	1
42	0	11	1796005500	51	2	-1	1	2
42	0	17	1796005500	116	161	-1	1	3
42	0	18	1796005500	645	65	0	1	4
42	0	26	1796005500	440	265	-1	1	5
42	1	8	1796005500	2	100	0	1	6
42	1	9	1796005500	379	379	-1	1	7
42	2	1570	1796005500	160	160	-1	1	8
42	0	8	1796005800	725	16	-1	1	1
42	0	11	1796005800	51	2	-1	1	2
42	0	17	1796005800	116	161	-1	1	3
42	0	18	1796005800	645	65	0	1	4
42	0	26	1796005800	440	265	-1	1	5
42	1	8	1796005800	2	100	0	1	6
42	1	9	1796005800	321	321	-1	1	7
42	2	1570	1796005800	160	160	-1	1	8
42	0	8	1796006100	727	14	-1	1	1
42	0	11	1796006100	51	2	-1	1	2
42	0	17	1796006100	117	166	-1	1	3
42	0	18	1796006100	645	65	0	1	4
42	0	26	1796006100	440	265	-1	1	5
42	1	8	1796006100	2	100	0	1	6
42	1	9	1796006100	264	264	-1	1	7
42	2	1570	1796006100	160	160	-1	1	8
42	0	8	1796006400	729	12	-1	1	1
42	0	11	1796006400	51	2	-1	1	2
42	0	17	1796006400	117	166	-1	1	3
42	0	18	1796006400	655	66	0	1	4
42	0	26	1796006400	440	265	-1	1	5
42	1	8	1796006400	2	100	0	1	6
42	1	9	1796006400	208	208	-1	1	7
42	2	1570	1796006400	160	160	-1	1	8
42	0	8	1796006700	729	12	-1	1	1
42	0	11	1796006700	51	2	-1	1	2
42	0	17	1796006700	117	166	-1	1	3
42	0	18	1796006700	655	66	0	1	4
42	0	26	1796006700	474	235	-1	1	5
42	1	8	1796006700	0	0	0	1	6
42	1	9	1796006700	0	0	-1	1	7
42	2	1570	1796006700	160	160	-1	1	8
42	0	8	1796007000	727	14	-1	1	1
42	0	11	1796007000	51	2	-1	1	2
42	0	17	1796007000	116	161	-1	1	3
42	0	18	1796007000	665	67	0	1	4
42	0	26	1796007000	474	235	-1	1	5
42	1	8	1796007000	0	0	0	1	6
42	1	9	1796007000	0	0	-1	1	7
42	2	1570	1796007000	160	160	-1	1	8
42	0	8	1796007300	725	16	-1	1	1
42	0	11	1796007300	51	2	-1	1	2
42	0	17	1796007300	116	161	-1	1	3
42	0	18	1796007300	675	68	0	1	4
42	0	26	1796007300	474	235	-1	1	5
42	1	8	1796007300	0	0	0	1	6
42	1	9	1796007300	0	0	-1	1	7
42	2	1570	1796007300	160	160	-1	1	8
42	0	8	1796007600	723	17	-1	1	1
42	0	11	1796007600	51	2	-1	1	2
42	0	17	1796007600	116	161	-1	1	3
42	0	18	1796007600	675	68	0	1	4
42	0	26	1796007600	474	235	-1	1	5
42	1	8	1796007600	0	0	0	1	6
42	1	9	1796007600	0	0	-1	1	7
42	2	1570	1796007600	160	160	-1	1	8
42	0	8	1796007900	722	18	-1	1	1
42	0	11	1796007900	51	2	-1	1	2
42	0	17	1796007900	115	156	-1	1	3
42	0	18	1796007900	685	69	0	1	4
42	0	26	1796007900	474	235	-1	1	5
42	1	8	1796007900	0	0	0	1	6
42	1	9	1796007900	0	0	-1	1	7
42	2	1570	1796007900	160	160	-1	1	8
42	0	8	1796008200	723	17	-1	1	1
42	0	11	1796008200	51	2	-1	1	2
42	0	17	1796008200	115	156	-1	1	3
42	0	18	1796008200	685	69	0	1	4
42	0	26	1796008200	474	235	-1	1	5
42	1	8	1796008200	0	0	0	1	6
42	1	9	1796008200	0	0	-1	1	7
42	2	1570	1796008200	160	160	-1	1	8
42	0	8	1796008500	725	16	-1	1	1
42	0	11	1796008500	51	2	-1	1	2
42	0	17	1796008500	114	152	-1	1	3
42	0	18	1796008500	685	69	0	1	4
42	0	26	1796008500	474	235	-1	1	5
42	1	8	1796008500	0	0	0	1	6
42	1	9	1796008500	0	0	-1	1	7
42	2	1570	1796008500	160	160	-1	1	8
42	0	8	1796008800	727	14	-1	1	1
42	0	11	1796008800	51	2	-1	1	2
42	0	17	1796008800	115	156	-1	1	3
42	0	18	1796008800	685	69	0	1	4
42	0	26	1796008800	440	265	-1	1	5
42	1	8	1796008800	2	100	0	1	6
42	1	9	1796008800	523	523	-1	1	7
42	2	1570	1796008800	160	160	-1	1	8
42	0	8	1796009100	729	12	-1	1	1
42	0	11	1796009100	51	2	-1	1	2
42	0	17	1796009100	115	156	-1	1	3
42	0	18	1796009100	685	69	0	1	4
42	0	26	1796009100	440	265	-1	1	5
42	1	8	1796009100	2	100	0	1	6
42	1	9	1796009100	466	466	-1	1	7
42	2	1570	1796009100	160	160	-1	1	8
42	0	8	1796009400	728	13	-1	1	1
42	0	11	1796009400	51	2	-1	1	2
42	0	17	1796009400	116	161	-1	1	3
42	0	18	1796009400	675	68	0	1	4
42	0	26	1796009400	440	265	-1	1	5
42	1	8	1796009400	2	100	0	1	6
42	1	9	1796009400	408	408	-1	1	7
42	2	1570	1796009400	160	160	-1	1	8
42	0	8	1796009700	727	14	-1	1	1
42	0	11	1796009700	51	2	-1	1	2
42	0	17	1796009700	116	161	-1	1	3
42	0	18	1796009700	675	68	0	1	4
42	0	26	1796009700	440	265	-1	1	5
42	1	8	1796009700	2	100	0	1	6
42	1	9	1796009700	351	351	-1	1	7
42	2	1570	1796009700	160	160	-1	1	8
42	0	8	1796010000	725	16	-1	1	1
42	0	11	1796010000	51	2	-1	1	2
42	0	17	1796010000	117	166	-1	1	3
42	0	18	1796010000	665	67	0	1	4
42	0	26	1796010000	440	265	-1	1	5
42	1	8	1796010000	2	100	0	1	6
42	1	9	1796010000	293	293	-1	1	7
42	2	1570	1796010000	160	160	-1	1	8
42	0	8	1796010300	722	18	-1	1	1
42	0	11	1796010300	51	2	-1	1	2
42	0	17	1796010300	117	166	-1	1	3
42	0	18	1796010300	655	66	0	1	4
42	0	26	1796010300	440	265	-1	1	5
42	1	8	1796010300	2	100	0	1	6
42	1	9	1796010300	236	236	-1	1	7
42	2	1570	1796010300	160	160	-1	1	8
42	0	8	1796010600	721	19	-1	1	1
42	0	11	1796010600	51	2	-1	1	2
42	0	17	1796010600	117	166	-1	1	3
42	0	18	1796010600	655	66	0	1	4
42	0	26	1796010600	474	235	-1	1	5
42	1	8	1796010600	0	0	0	1	6
42	1	9	1796010600	0	0	-1	1	7
42	2	1570	1796010600	160	160	-1	1	8
42	0	8	1796010900	721	19	-1	1	1
42	0	11	1796010900	51	2	-1	1	2
42	0	17	1796010900	116	161	-1	1	3
42	0	18	1796010900	645	65	0	1	4
42	0	26	1796010900	474	235	-1	1	5
42	1	8	1796010900	0	0	0	1	6
42	1	9	1796010900	0	0	-1	1	7
42	2	1570	1796010900	160	160	-1	1	8
42	0	8	1796011200	723	17	-1	1	1
42	0	11	1796011200	51	2	-1	1	2
42	0	17	1796011200	116	161	-1	1	3
42	0	18	1796011200	645	65	0	1	4
42	0	26	1796011200	474	235	-1	1	5
42	1	8	1796011200	0	0	0	1	6
42	1	9	1796011200	0	0	-1	1	7
42	2	1570	1796011200	160	160	-1	1	8
42	0	8	1796011500	726	15	-1	1	1
42	0	11	1796011500	51	2	-1	1	2
42	0	17	1796011500	115	156	-1	1	3
42	0	18	1796011500	645	65	0	1	4
42	0	26	1796011500	474	235	-1	1	5
42	1	8	1796011500	0	0	0	1	6
42	1	9	1796011500	0	0	-1	1	7
42	2	1570	1796011500	160	160	-1	1	8
42	0	8	1796011800	727	14	-1	1	1
42	0	11	1796011800	51	2	-1	1	2
42	0	17	1796011800	115	156	-1	1	3
42	0	18	1796011800	635	64	0	1	4
42	0	26	1796011800	474	235	-1	1	5
42	1	8	1796011800	0	0	0	1	6
42	1	9	1796011800	0	0	-1	1	7
42	2	1570	1796011800	160	160	-1	1	8
42	0	8	1796012100	726	15	-1	1	1
42	0	11	1796012100	51	2	-1	1	2
42	0	17	1796012100	115	156	-1	1	3
42	0	18	1796012100	645	65	0	1	4
42	0	26	1796012100	474	235	-1	1	5
42	1	8	1796012100	0	0	0	1	6
42	1	9	1796012100	0	0	-1	1	7
42	2	1570	1796012100	160	160	-1	1	8
42	0	8	1796012400	725	16	-1	1	1
42	0	11	1796012400	51	2	-1	1	2
42	0	17	1796012400	115	156	-1	1	3
42	0	18	1796012400	645	65	0	1	4
42	0	26	1796012400	440	265	-1	1	5
42	1	8	1796012400	2	100	0	1	6
42	1	9	1796012400	497	497	-1	1	7
42	2	1570	1796012400	160	160	-1	1	8
42	0	8	1796012700	721	19	-1	1	1
42	0	11	1796012700	51	2	-1	1	2
42	0	17	1796012700	116	161	-1	1	3
42	0	18	1796012700	645	65	0	1	4
42	0	26	1796012700	440	265	-1	1	5
42	1	8	1796012700	2	100	0	1	6
42	1	9	1796012700	439	439	-1	1	7
42	2	1570	1796012700	160	160	-1	1	8
42	0	8	1796013000	719	21	-1	1	1
42	0	11	1796013000	51	2	-1	1	2
42	0	17	1796013000	116	161	-1	1	3
42	0	18	1796013000	655	66	0	1	4
42	0	26	1796013000	440	265	-1	1	5
42	1	8	1796013000	2	100	0	1	6
42	1	9	1796013000	380	380	-1	1	7
42	2	1570	1796013000	160	160	-1	1	8
42	0	8	1796013300	718	22	-1	1	1
42	0	11	1796013300	51	2	-1	1	2
42	0	17	1796013300	116	161	-1	1	3
42	0	18	1796013300	655	66	0	1	4
42	0	26	1796013300	440	265	-1	1	5
42	1	8	1796013300	2	100	0	1	6
42	1	9	1796013300	322	322	-1	1	7
42	2	1570	1796013300	160	160	-1	1	8
42	0	8	1796013600	719	21	-1	1	1
42	0	11	1796013600	51	2	-1	1	2
42	0	17	1796013600	117	166	-1	1	3
42	0	18	1796013600	665	67	0	1	4
42	0	26	1796013600	440	265	-1	1	5
42	1	8	1796013600	2	100	0	1	6
42	1	9	1796013600	264	264	-1	1	7
42	2	1570	1796013600	160	160	-1	1	8
42	0	8	1796013900	720	20	-1	1	1
42	0	11	1796013900	51	2	-1	1	2
42	0	17	1796013900	117	166	-1	1	3
42	0	18	1796013900	665	67	0	1	4
42	0	26	1796013900	439	266	-1	1	5
42	1	8	1796013900	2	100	0	1	6
42	1	9	1796013900	206	206	-1	1	7
42	2	1570	1796013900	160	160	-1	1	8
42	0	8	1796014200	722	18	-1	1	1
42	0	11	1796014200	51	2	-1	1	2
42	0	17	1796014200	117	166	-1	1	3
42	0	18	1796014200	665	67	0	1	4
42	0	26	1796014200	473	236	-1	1	5
42	1	8	1796014200	0	0	0	1	6
42	1	9	1796014200	0	0	-1	1	7
42	2	1570	1796014200	160	160	-1	1	8
42	0	8	1796014500	722	18	-1	1	1
42	0	11	1796014500	51	2	-1	1	2
42	0	17	1796014500	116	161	-1	1	3
42	0	18	1796014500	665	67	0	1	4
42	0	26	1796014500	473	236	-1	1	5
42	1	8	1796014500	0	0	0	1	6
42	1	9	1796014500	0	0	-1	1	7
42	2	1570	1796014500	160	160	-1	1	8
42	0	8	1796014800	722	18	-1	1	1
42	0	11	1796014800	51	2	-1	1	2
42	0	17	1796014800	116	161	-1	1	3
42	0	18	1796014800	665	67	0	1	4
42	0	26	1796014800	473	236	-1	1	5
42	1	8	1796014800	0	0	0	1	6
42	1	9	1796014800	0	0	-1	1	7
42	2	1570	1796014800	160	160	-1	1	8
42	0	8	1796015100	720	20	-1	1	1
42	0	11	1796015100	51	2	-1	1	2
42	0	17	1796015100	116	161	-1	1	3
42	0	18	1796015100	665	67	0	1	4
42	0	26	1796015100	473	236	-1	1	5
42	1	8	1796015100	0	0	0	1	6
42	1	9	1796015100	0	0	-1	1	7
42	2	1570	1796015100	160	160	-1	1	8
42	0	8	1796015400	717	23	-1	1	1
42	0	11	1796015400	51	2	-1	1	2
42	0	17	1796015400	115	156	-1	1	3
42	0	18	1796015400	665	67	0	1	4
42	0	26	1796015400	473	236	-1	1	5
42	1	8	1796015400	0	0	0	1	6
42	1	9	1796015400	0	0	-1	1	7
42	2	1570	1796015400	160	160	-1	1	8
42	0	8	1796015700	715	25	-1	1	1
42	0	11	1796015700	51	2	-1	1	2
42	0	17	1796015700	115	156	-1	1	3
42	0	18	1796015700	655	66	0	1	4
42	0	26	1796015700	473	236	-1	1	5
42	1	8	1796015700	0	0	0	1	6
42	1	9	1796015700	0	0	-1	1	7
42	2	1570	1796015700	160	160	-1	1	8
42	0	8	1796016000	714	26	-1	1	1
42	0	11	1796016000	51	2	-1	1	2
42	0	17	1796016000	115	156	-1	1	3
42	0	18	1796016000	645	65	0	1	4
42	0	26	1796016000	473	236	-1	1	5
42	1	8	1796016000	0	0	0	1	6
42	1	9	1796016000	0	0	-1	1	7
42	2	1570	1796016000	160	160	-1	1	8
42	0	8	1796016300	714	26	-1	1	1
42	0	11	1796016300	51	2	-1	1	2
42	0	17	1796016300	115	156	-1	1	3
42	0	18	1796016300	635	64	0	1	4
42	0	26	1796016300	439	266	-1	1	5
42	1	8	1796016300	2	100	0	1	6
42	1	9	1796016300	516	516	-1	1	7
42	2	1570	1796016300	160	160	-1	1	8
42	0	8	1796016600	715	25	-1	1	1
42	0	11	1796016600	51	2	-1	1	2
42	0	17	1796016600	115	156	-1	1	3
42	0	18	1796016600	635	64	0	1	4
42	0	26	1796016600	439	266	-1	1	5
42	1	8	1796016600	2	100	0	1	6
42	1	9	1796016600	457	457	-1	1	7
42	2	1570	1796016600	160	160	-1	1	8
42	0	8	1796016900	717	23	-1	1	1
42	0	11	1796016900	51	2	-1	1	2
42	0	17	1796016900	116	161	-1	1	3
42	0	18	1796016900	625	63	0	1	4
42	0	26	1796016900	439	266	-1	1	5
42	1	8	1796016900	2	100	0	1	6
42	1	9	1796016900	398	398	-1	1	7
42	2	1570	1796016900	160	160	-1	1	8
42	0	8	1796017200	717	23	-1	1	1
42	0	11	1796017200	51	2	-1	1	2
42	0	17	1796017200	116	161	-1	1	3
42	0	18	1796017200	615	62	0	1	4
42	0	26	1796017200	439	266	-1	1	5
42	1	8	1796017200	2	100	0	1	6
42	1	9	1796017200	340	340	-1	1	7
42	2	1570	1796017200	160	160	-1	1	8
42	0	8	1796017500	717	23	-1	1	1
42	0	11	1796017500	51	2	-1	1	2
42	0	17	1796017500	117	166	-1	1	3
42	0	18	1796017500	615	62	0	1	4
42	0	26	1796017500	439	266	-1	1	5
42	1	8	1796017500	2	100	0	1	6
42	1	9	1796017500	281	281	-1	1	7
42	2	1570	1796017500	160	160	-1	1	8
42	0	8	1796017800	715	25	-1	1	1
42	0	11	1796017800	51	2	-1	1	2
42	0	17	1796017800	117	166	-1	1	3
42	0	18	1796017800	615	62	0	1	4
42	0	26	1796017800	439	266	-1	1	5
42	1	8	1796017800	2	100	0	1	6
42	1	9	1796017800	223	223	-1	1	7
42	2	1570	1796017800	160	160	-1	1	8
42	0	8	1796018100	712	28	-1	1	1
42	0	11	1796018100	51	2	-1	1	2
42	0	17	1796018100	117	166	-1	1	3
42	0	18	1796018100	615	62	0	1	4
42	0	26	1796018100	473	236	-1	1	5
42	1	8	1796018100	0	0	0	1	6
42	1	9	1796018100	0	0	-1	1	7
42	2	1570	1796018100	160	160	-1	1	8
42	0	8	1796018400	709	31	-1	1	1
42	0	11	1796018400	51	2	-1	1	2
42	0	17	1796018400	116	161	-1	1	3
42	0	18	1796018400	615	62	0	1	4
42	0	26	1796018400	473	236	-1	1	5
42	1	8	1796018400	0	0	0	1	6
42	1	9	1796018400	0	0	-1	1	7
42	2	1570	1796018400	160	160	-1	1	8
42	0	8	1796018700	707	32	-1	1	1
42	0	11	1796018700	51	2	-1	1	2
42	0	17	1796018700	116	161	-1	1	3
42	0	18	1796018700	615	62	0	1	4
42	0	26	1796018700	471	237	-1	1	5
42	1	8	1796018700	0	0	0	1	6
42	1	9	1796018700	0	0	-1	1	7
42	2	1570	1796018700	160	160	-1	1	8
42	0	8	1796019000	707	32	-1	1	1
42	0	11	1796019000	51	2	-1	1	2
42	0	17	1796019000	116	161	-1	1	3
42	0	18	1796019000	625	63	0	1	4
42	0	26	1796019000	471	237	-1	1	5
42	1	8	1796019000	0	0	0	1	6
42	1	9	1796019000	0	0	-1	1	7
42	2	1570	1796019000	160	160	-1	1	8
42	0	8	1796019300	709	31	-1	1	1
42	0	11	1796019300	51	2	-1	1	2
42	0	17	1796019300	115	156	-1	1	3
42	0	18	1796019300	625	63	0	1	4
42	0	26	1796019300	471	237	-1	1	5
42	1	8	1796019300	0	0	0	1	6
42	1	9	1796019300	0	0	-1	1	7
42	2	1570	1796019300	160	160	-1	1	8
42	0	8	1796019600	711	29	-1	1	1
42	0	11	1796019600	51	2	-1	1	2
42	0	17	1796019600	115	156	-1	1	3
42	0	18	1796019600	625	63	0	1	4
42	0	26	1796019600	471	237	-1	1	5
42	1	8	1796019600	0	0	0	1	6
42	1	9	1796019600	0	0	-1	1	7
42	2	1570	1796019600	160	160	-1	1	8
42	0	8	1796019900	711	29	-1	1	1
42	0	11	1796019900	51	2	-1	1	2
42	0	17	1796019900	114	152	-1	1	3
42	0	18	1796019900	635	64	0	1	4
42	0	26	1796019900	471	237	-1	1	5
42	1	8	1796019900	0	0	0	1	6
42	1	9	1796019900	0	0	-1	1	7
42	2	1570	1796019900	160	160	-1	1	8
42	0	8	1796020200	710	30	-1	1	1
42	0	11	1796020200	51	2	-1	1	2
42	0	17	1796020200	115	156	-1	1	3
42	0	18	1796020200	635	64	0	1	4
42	0	26	1796020200	438	267	-1	1	5
42	1	8	1796020200	2	100	0	1	6
42	1	9	1796020200	524	524	-1	1	7
42	2	1570	1796020200	160	160	-1	1	8
42	0	8	1796020500	707	32	-1	1	1
42	0	11	1796020500	51	2	-1	1	2
42	0	17	1796020500	115	156	-1	1	3
42	0	18	1796020500	635	64	0	1	4
42	0	26	1796020500	438	267	-1	1	5
42	1	8	1796020500	2	100	0	1	6
42	1	9	1796020500	464	464	-1	1	7
42	2	1570	1796020500	160	160	-1	1	8
42	0	8	1796020800	704	35	-1	1	1
42	0	11	1796020800	51	2	-1	1	2
42	0	17	1796020800	116	161	-1	1	3
42	0	18	1796020800	635	64	0	1	4
42	0	26	1796020800	438	267	-1	1	5
42	1	8	1796020800	2	100	0	1	6
42	1	9	1796020800	404	404	-1	1	7
42	2	1570	1796020800	160	160	-1	1	8
42	0	8	1796021100	702	37	-1	1	1
42	0	11	1796021100	51	2	-1	1	2
42	0	17	1796021100	116	161	-1	1	3
42	0	18	1796021100	635	64	0	1	4
42	0	26	1796021100	438	267	-1	1	5
42	1	8	1796021100	2	100	0	1	6
42	1	9	1796021100	344	344	-1	1	7
42	2	1570	1796021100	160	160	-1	1	8
42	0	8	1796021400	699	39	-1	1	1
42	0	11	1796021400	51	2	-1	1	2
42	0	17	1796021400	117	166	-1	1	3
42	0	18	1796021400	625	63	0	1	4
42	0	26	1796021400	438	267	-1	1	5
42	1	8	1796021400	2	100	0	1	6
42	1	9	1796021400	283	283	-1	1	7
42	2	1570	1796021400	160	160	-1	1	8
42	0	8	1796021700	699	39	-1	1	1
42	0	11	1796021700	51	2	-1	1	2
42	0	17	1796021700	117	166	-1	1	3
42	0	18	1796021700	615	62	0	1	4
42	0	26	1796021700	438	267	-1	1	5
42	1	8	1796021700	2	100	0	1	6
42	1	9	1796021700	223	223	-1	1	7
42	2	1570	1796021700	160	160	-1	1	8
42	0	8	1796022000	701	38	-1	1	1
42	0	11	1796022000	70	126	-1	1	2
42	0	17	1796022000	117	166	-1	1	3
42	0	18	1796022000	615	62	0	1	4
42	0	26	1796022000	437	268	-1	1	5
42	1	8	1796022000	2	100	0	1	6
42	1	9	1796022000	1000	1000	-1	1	7
42	2	1570	1796022000	210	210	-1	1	8
42	0	8	1796022300	702	37	-1	1	1
42	0	11	1796022300	70	126	-1	1	2
42	0	17	1796022300	118	171	-1	1	3
42	0	18	1796022300	605	61	0	1	4
42	0	26	1796022300	437	268	-1	1	5
42	1	8	1796022300	2	100	0	1	6
42	1	9	1796022300	1000	1000	-1	1	7
42	2	1570	1796022300	210	210	-1	1	8
42	0	8	1796022600	703	36	-1	1	1
42	0	11	1796022600	70	126	-1	1	2
42	0	17	1796022600	118	171	-1	1	3
42	0	18	1796022600	595	60	0	1	4
42	0	26	1796022600	437	268	-1	1	5
42	1	8	1796022600	2	100	0	1	6
42	1	9	1796022600	1000	1000	-1	1	7
42	2	1570	1796022600	210	210	-1	1	8
42	0	8	1796022900	702	37	-1	1	1
42	0	11	1796022900	70	126	-1	1	2
42	0	17	1796022900	119	176	-1	1	3
42	0	18	1796022900	585	59	0	1	4
42	0	26	1796022900	437	268	-1	1	5
42	1	8	1796022900	2	100	0	1	6
42	1	9	1796022900	1000	1000	-1	1	7
42	2	1570	1796022900	210	210	-1	1	8
42	0	8	1796023200	698	40	-1	1	1
42	0	11	1796023200	70	126	-1	1	2
42	0	17	1796023200	119	176	-1	1	3
42	0	18	1796023200	575	58	0	1	4
42	0	26	1796023200	437	268	-1	1	5
42	1	8	1796023200	2	100	0	1	6
42	1	9	1796023200	1000	1000	-1	1	7
42	2	1570	1796023200	210	210	-1	1	8
42	0	8	1796023500	695	43	-1	1	1
42	0	11	1796023500	69	120	-1	1	2
42	0	17	1796023500	119	176	-1	1	3
42	0	18	1796023500	575	58	0	1	4
42	0	26	1796023500	437	268	-1	1	5
42	1	8	1796023500	2	100	0	1	6
42	1	9	1796023500	1000	1000	-1	1	7
42	2	1570	1796023500	210	210	-1	1	8
42	0	8	1796023800	693	45	-1	1	1
42	0	11	1796023800	69	120	-1	1	2
42	0	17	1796023800	120	181	-1	1	3
42	0	18	1796023800	575	58	0	1	4
42	0	26	1796023800	437	268	-1	1	5
42	1	8	1796023800	2	100	0	1	6
42	1	9	1796023800	1000	1000	-1	1	7
42	2	1570	1796023800	210	210	-1	1	8
42	0	8	1796024100	691	47	-1	1	1
42	0	11	1796024100	68	113	-1	1	2
42	0	17	1796024100	120	181	-1	1	3
42	0	18	1796024100	565	57	0	1	4
42	0	26	1796024100	437	268	-1	1	5
42	1	8	1796024100	2	100	0	1	6
42	1	9	1796024100	1000	1000	-1	1	7
42	2	1570	1796024100	210	210	-1	1	8
42	0	8	1796024400	691	47	-1	1	1
42	0	11	1796024400	68	113	-1	1	2
42	0	17	1796024400	121	185	-1	1	3
42	0	18	1796024400	575	58	0	1	4
42	0	26	1796024400	437	268	-1	1	5
42	1	8	1796024400	2	100	0	1	6
42	1	9	1796024400	1000	1000	-1	1	7
42	2	1570	1796024400	210	210	-1	1	8
42	0	8	1796024700	692	46	-1	1	1
42	0	11	1796024700	68	113	-1	1	2
42	0	17	1796024700	121	185	-1	1	3
42	0	18	1796024700	575	58	0	1	4
42	0	26	1796024700	437	268	-1	1	5
42	1	8	1796024700	2	100	0	1	6
42	1	9	1796024700	1000	1000	-1	1	7
42	2	1570	1796024700	210	210	-1	1	8
42	0	8	1796025000	693	45	-1	1	1
42	0	11	1796025000	68	113	-1	1	2
42	0	17	1796025000	121	185	-1	1	3
42	0	18	1796025000	575	58	0	1	4
42	0	26	1796025000	437	268	-1	1	5
42	1	8	1796025000	2	100	0	1	6
42	1	9	1796025000	1000	1000	-1	1	7
42	2	1570	1796025000	210	210	-1	1	8
42	0	8	1796025300	694	44	-1	1	1
42	0	11	1796025300	69	120	-1	1	2
42	0	17	1796025300	122	190	-1	1	3
42	0	18	1796025300	575	58	0	1	4
42	0	26	1796025300	436	269	-1	1	5
42	1	8	1796025300	2	100	0	1	6
42	1	9	1796025300	1000	1000	-1	1	7
42	2	1570	1796025300	210	210	-1	1	8
42	0	8	1796025600	692	46	-1	1	1
42	0	11	1796025600	69	120	-1	1	2
42	0	17	1796025600	122	190	-1	1	3
42	0	18	1796025600	585	59	0	1	4
42	0	26	1796025600	436	269	-1	1	5
42	1	8	1796025600	2	100	0	1	6
42	1	9	1796025600	960	960	-1	1	7
42	2	1570	1796025600	210	210	-1	1	8
42	0	8	1796025900	690	48	-1	1	1
42	0	11	1796025900	70	126	-1	1	2
42	0	17	1796025900	123	195	-1	1	3
42	0	18	1796025900	585	59	0	1	4
42	0	26	1796025900	436	269	-1	1	5
42	1	8	1796025900	2	100	0	1	6
42	1	9	1796025900	902	902	-1	1	7
42	2	1570	1796025900	210	210	-1	1	8
42	0	8	1796026200	686	51	-1	1	1
42	0	11	1796026200	70	126	-1	1	2
42	0	17	1796026200	123	195	-1	1	3
42	0	18	1796026200	585	59	0	1	4
42	0	26	1796026200	436	269	-1	1	5
42	1	8	1796026200	2	100	0	1	6
42	1	9	1796026200	844	844	-1	1	7
42	2	1570	1796026200	210	210	-1	1	8
42	0	8	1796026500	683	54	-1	1	1
42	0	11	1796026500	70	126	-1	1	2
42	0	17	1796026500	123	195	-1	1	3
42	0	18	1796026500	585	59	0	1	4
42	0	26	1796026500	436	269	-1	1	5
42	1	8	1796026500	2	100	0	1	6
42	1	9	1796026500	786	786	-1	1	7
42	2	1570	1796026500	210	210	-1	1	8
42	0	8	1796026800	682	55	-1	1	1
42	0	11	1796026800	70	126	-1	1	2
42	0	17	1796026800	124	200	-1	1	3
42	0	18	1796026800	585	59	0	1	4
42	0	26	1796026800	436	269	-1	1	5
42	1	8	1796026800	2	100	0	1	6
42	1	9	1796026800	728	728	-1	1	7
42	2	1570	1796026800	210	210	-1	1	8
42	0	8	1796027100	682	55	-1	1	1
42	0	11	1796027100	70	126	-1	1	2
42	0	17	1796027100	124	200	-1	1	3
42	0	18	1796027100	585	59	0	1	4
42	0	26	1796027100	436	269	-1	1	5
42	1	8	1796027100	2	100	0	1	6
42	1	9	1796027100	670	670	-1	1	7
42	2	1570	1796027100	210	210	-1	1	8
42	0	8	1796027400	683	54	-1	1	1
42	0	11	1796027400	69	120	-1	1	2
42	0	17	1796027400	125	205	-1	1	3
42	0	18	1796027400	575	58	0	1	4
42	0	26	1796027400	436	269	-1	1	5
42	1	8	1796027400	2	100	0	1	6
42	1	9	1796027400	613	613	-1	1	7
42	2	1570	1796027400	210	210	-1	1	8
42	0	8	1796027700	684	53	-1	1	1
42	0	11	1796027700	68	113	-1	1	2
42	0	17	1796027700	125	205	-1	1	3
42	0	18	1796027700	575	58	0	1	4
42	0	26	1796027700	436	269	-1	1	5
42	1	8	1796027700	2	100	0	1	6
42	1	9	1796027700	556	556	-1	1	7
42	2	1570	1796027700	210	210	-1	1	8
42	0	8	1796028000	684	53	-1	1	1
42	0	11	1796028000	68	113	-1	1	2
42	0	17	1796028000	125	205	-1	1	3
42	0	18	1796028000	565	57	0	1	4
42	0	26	1796028000	435	270	-1	1	5
42	1	8	1796028000	2	100	0	1	6
42	1	9	1796028000	499	499	-1	1	7
42	2	1570	1796028000	210	210	-1	1	8
42	0	8	1796028300	683	54	-1	1	1
42	0	11	1796028300	68	113	-1	1	2
42	0	17	1796028300	126	210	-1	1	3
42	0	18	1796028300	555	56	0	1	4
42	0	26	1796028300	435	270	-1	1	5
42	1	8	1796028300	2	100	0	1	6
42	1	9	1796028300	442	442	-1	1	7
42	2	1570	1796028300	210	210	-1	1	8
42	0	8	1796028600	680	57	-1	1	1
42	0	11	1796028600	68	113	-1	1	2
42	0	17	1796028600	126	210	-1	1	3
42	0	18	1796028600	545	55	0	1	4
42	0	26	1796028600	435	270	-1	1	5
42	1	8	1796028600	2	100	0	1	6
42	1	9	1796028600	385	385	-1	1	7
42	2	1570	1796028600	210	210	-1	1	8
42	0	8	1796028900	677	60	-1	1	1
42	0	11	1796028900	68	113	-1	1	2
42	0	17	1796028900	126	210	-1	1	3
42	0	18	1796028900	535	54	0	1	4
42	0	26	1796028900	435	270	-1	1	5
42	1	8	1796028900	2	100	0	1	6
42	1	9	1796028900	329	329	-1	1	7
42	2	1570	1796028900	210	210	-1	1	8
42	0	8	1796029200	673	63	-1	1	1
42	0	11	1796029200	69	120	-1	1	2
42	0	17	1796029200	127	215	-1	1	3
42	0	18	1796029200	525	53	0	1	4
42	0	26	1796029200	435	270	-1	1	5
42	1	8	1796029200	2	100	0	1	6
42	1	9	1796029200	272	272	-1	1	7
42	2	1570	1796029200	210	210	-1	1	8
42	0	8	1796029500	672	64	-1	1	1
42	0	11	1796029500	69	120	-1	1	2
42	0	17	1796029500	127	215	-1	1	3
42	0	18	1796029500	525	53	0	1	4
42	0	26	1796029500	435	270	-1	1	5
42	1	8	1796029500	2	100	0	1	6
42	1	9	1796029500	215	215	-1	1	7
42	2	1570	1796029500	210	210	-1	1	8
42	0	8	1796029800	672	64	-1	1	1
42	0	11	1796029800	70	126	-1	1	2
42	0	17	1796029800	127	215	-1	1	3
42	0	18	1796029800	515	52	0	1	4
42	0	26	1796029800	468	240	-1	1	5
42	1	8	1796029800	0	0	0	1	6
42	1	9	1796029800	0	0	-1	1	7
42	2	1570	1796029800	210	210	-1	1	8
42	0	8	1796030100	673	63	-1	1	1
42	0	11	1796030100	70	126	-1	1	2
42	0	17	1796030100	127	215	-1	1	3
42	0	18	1796030100	515	52	0	1	4
42	0	26	1796030100	468	240	-1	1	5
42	1	8	1796030100	0	0	0	1	6
42	1	9	1796030100	0	0	-1	1	7
42	2	1570	1796030100	210	210	-1	1	8
42	0	8	1796030400	674	62	-1	1	1
42	0	11	1796030400	70	126	-1	1	2
42	0	17	1796030400	126	210	-1	1	3
42	0	18	1796030400	515	52	0	1	4
42	0	26	1796030400	468	240	-1	1	5
42	1	8	1796030400	0	0	0	1	6
42	1	9	1796030400	0	0	-1	1	7
42	2	1570	1796030400	210	210	-1	1	8
42	0	8	1796030700	674	62	-1	1	1
42	0	11	1796030700	70	126	-1	1	2
42	0	17	1796030700	126	210	-1	1	3
42	0	18	1796030700	515	52	0	1	4
42	0	26	1796030700	467	241	-1	1	5
42	1	8	1796030700	0	0	0	1	6
42	1	9	1796030700	0	0	-1	1	7
42	2	1570	1796030700	210	210	-1	1	8
42	0	8	1796031000	673	63	-1	1	1
42	0	11	1796031000	69	120	-1	1	2
42	0	17	1796031000	125	205	-1	1	3
42	0	18	1796031000	525	53	0	1	4
42	0	26	1796031000	467	241	-1	1	5
42	1	8	1796031000	0	0	0	1	6
42	1	9	1796031000	0	0	-1	1	7
42	2	1570	1796031000	210	210	-1	1	8
42	0	8	1796031300	670	66	-1	1	1
42	0	11	1796031300	69	120	-1	1	2
42	0	17	1796031300	125	205	-1	1	3
42	0	18	1796031300	525	53	0	1	4
42	0	26	1796031300	467	241	-1	1	5
42	1	8	1796031300	0	0	0	1	6
42	1	9	1796031300	0	0	-1	1	7
42	2	1570	1796031300	210	210	-1	1	8
42	0	8	1796031600	666	69	-1	1	1
42	0	11	1796031600	68	113	-1	1	2
42	0	17	1796031600	125	205	-1	1	3
42	0	18	1796031600	525	53	0	1	4
42	0	26	1796031600	467	241	-1	1	5
42	1	8	1796031600	0	0	0	1	6
42	1	9	1796031600	0	0	-1	1	7
42	2	1570	1796031600	210	210	-1	1	8
42	0	8	1796031900	664	71	-1	1	1
42	0	11	1796031900	68	113	-1	1	2
42	0	17	1796031900	125	205	-1	1	3
42	0	18	1796031900	535	54	0	1	4
42	0	26	1796031900	434	271	-1	1	5
42	1	8	1796031900	2	100	0	1	6
42	1	9	1796031900	531	531	-1	1	7
42	2	1570	1796031900	210	210	-1	1	8
42	0	8	1796032200	662	73	-1	1	1
42	0	11	1796032200	68	113	-1	1	2
42	0	17	1796032200	126	210	-1	1	3
42	0	18	1796032200	535	54	0	1	4
42	0	26	1796032200	434	271	-1	1	5
42	1	8	1796032200	2	100	0	1	6
42	1	9	1796032200	472	472	-1	1	7
42	2	1570	1796032200	210	210	-1	1	8
42	0	8	1796032500	662	73	-1	1	1
42	0	11	1796032500	68	113	-1	1	2
42	0	17	1796032500	126	210	-1	1	3
42	0	18	1796032500	535	54	0	1	4
42	0	26	1796032500	434	271	-1	1	5
42	1	8	1796032500	2	100	0	1	6
42	1	9	1796032500	413	413	-1	1	7
42	2	1570	1796032500	210	210	-1	1	8
42	0	8	1796032800	663	72	-1	1	1
42	0	11	1796032800	68	113	-1	1	2
42	0	17	1796032800	126	210	-1	1	3
42	0	18	1796032800	535	54	0	1	4
42	0	26	1796032800	434	271	-1	1	5
42	1	8	1796032800	2	100	0	1	6
42	1	9	1796032800	354	354	-1	1	7
42	2	1570	1796032800	210	210	-1	1	8
42	0	8	1796033100	664	71	-1	1	1
42	0	11	1796033100	69	120	-1	1	2
42	0	17	1796033100	127	215	-1	1	3
42	0	18	1796033100	535	54	0	1	4
42	0	26	1796033100	434	271	-1	1	5
42	1	8	1796033100	2	100	0	1	6
42	1	9	1796033100	296	296	-1	1	7
42	2	1570	1796033100	210	210	-1	1	8
42	0	8	1796033400	664	71	-1	1	1
42	0	11	1796033400	70	126	-1	1	2
42	0	17	1796033400	127	215	-1	1	3
42	0	18	1796033400	525	53	0	1	4
42	0	26	1796033400	433	272	-1	1	5
42	1	8	1796033400	2	100	0	1	6
42	1	9	1796033400	238	238	-1	1	7
42	2	1570	1796033400	210	210	-1	1	8
42	0	8	1796033700	663	72	-1	1	1
42	0	11	1796033700	70	126	-1	1	2
42	0	17	1796033700	127	215	-1	1	3
42	0	18	1796033700	515	52	0	1	4
42	0	26	1796033700	466	242	-1	1	5
42	1	8	1796033700	0	0	0	1	6
42	1	9	1796033700	0	0	-1	1	7
42	2	1570	1796033700	210	210	-1	1	8
42	0	8	1796034000	661	74	-1	1	1
42	0	11	1796034000	70	126	-1	1	2
42	0	17	1796034000	126	210	-1	1	3
42	0	18	1796034000	515	52	0	1	4
42	0	26	1796034000	466	242	-1	1	5
42	1	8	1796034000	0	0	0	1	6
42	1	9	1796034000	0	0	-1	1	7
42	2	1570	1796034000	210	210	-1	1	8
42	0	8	1796034300	657	77	-1	1	1
42	0	11	1796034300	70	126	-1	1	2
42	0	17	1796034300	126	210	-1	1	3
42	0	18	1796034300	505	51	0	1	4
42	0	26	1796034300	466	242	-1	1	5
42	1	8	1796034300	0	0	0	1	6
42	1	9	1796034300	0	0	-1	1	7
42	2	1570	1796034300	210	210	-1	1	8
42	0	8	1796034600	654	80	-1	1	1
42	0	11	1796034600	70	126	-1	1	2
42	0	17	1796034600	126	210	-1	1	3
42	0	18	1796034600	495	50	0	1	4
42	0	26	1796034600	466	242	-1	1	5
42	1	8	1796034600	0	0	0	1	6
42	1	9	1796034600	0	0	-1	1	7
42	2	1570	1796034600	210	210	-1	1	8
42	0	8	1796034900	653	81	-1	1	1
42	0	11	1796034900	69	120	-1	1	2
42	0	17	1796034900	125	205	-1	1	3
42	0	18	1796034900	485	49	0	1	4
42	0	26	1796034900	466	242	-1	1	5
42	1	8	1796034900	0	0	0	1	6
42	1	9	1796034900	0	0	-1	1	7
42	2	1570	1796034900	210	210	-1	1	8
42	0	8	1796035200	653	81	-1	1	1
42	0	11	1796035200	69	120	-1	1	2
42	0	17	1796035200	125	205	-1	1	3
42	0	18	1796035200	475	48	0	1	4
42	0	26	1796035200	466	242	-1	1	5
42	1	8	1796035200	0	0	0	1	6
42	1	9	1796035200	0	0	-1	1	7
42	2	1570	1796035200	210	210	-1	1	8
42	0	8	1796035500	654	80	-1	1	1
42	0	11	1796035500	68	113	-1	1	2
42	0	17	1796035500	125	205	-1	1	3
42	0	18	1796035500	475	48	0	1	4
42	0	26	1796035500	433	272	-1	1	5
42	1	8	1796035500	2	100	0	1	6
42	1	9	1796035500	490	490	-1	1	7
42	2	1570	1796035500	210	210	-1	1	8
42	0	8	1796035800	655	79	-1	1	1
42	0	11	1796035800	68	113	-1	1	2
42	0	17	1796035800	126	210	-1	1	3
42	0	18	1796035800	465	47	0	1	4
42	0	26	1796035800	433	272	-1	1	5
42	1	8	1796035800	2	100	0	1	6
42	1	9	1796035800	431	431	-1	1	7
42	2	1570	1796035800	210	210	-1	1	8
42	0	8	1796036100	655	79	-1	1	1
42	0	11	1796036100	68	113	-1	1	2
42	0	17	1796036100	126	210	-1	1	3
42	0	18	1796036100	465	47	0	1	4
42	0	26	1796036100	433	272	-1	1	5
42	1	8	1796036100	2	100	0	1	6
42	1	9	1796036100	371	371	-1	1	7
42	2	1570	1796036100	210	210	-1	1	8
42	0	8	1796036400	654	80	-1	1	1
42	0	11	1796036400	68	113	-1	1	2
42	0	17	1796036400	127	215	-1	1	3
42	0	18	1796036400	465	47	0	1	4
42	0	26	1796036400	431	273	-1	1	5
42	1	8	1796036400	2	100	0	1	6
42	1	9	1796036400	312	312	-1	1	7
42	2	1570	1796036400	210	210	-1	1	8
42	0	8	1796036700	651	82	-1	1	1
42	0	11	1796036700	69	120	-1	1	2
42	0	17	1796036700	127	215	-1	1	3
42	0	18	1796036700	465	47	0	1	4
42	0	26	1796036700	431	273	-1	1	5
42	1	8	1796036700	2	100	0	1	6
42	1	9	1796036700	253	253	-1	1	7
42	2	1570	1796036700	210	210	-1	1	8
42	0	8	1796037000	648	85	-1	1	1
42	0	11	1796037000	69	120	-1	1	2
42	0	17	1796037000	127	215	-1	1	3
42	0	18	1796037000	475	48	0	1	4
42	0	26	1796037000	431	273	-1	1	5
42	1	8	1796037000	2	100	0	1	6
42	1	9	1796037000	193	193	-1	1	7
42	2	1570	1796037000	210	210	-1	1	8
42	0	8	1796037300	645	88	-1	1	1
42	0	11	1796037300	70	126	-1	1	2
42	0	17	1796037300	127	215	-1	1	3
42	0	18	1796037300	475	48	0	1	4
42	0	26	1796037300	465	243	-1	1	5
42	1	8	1796037300	0	0	0	1	6
42	1	9	1796037300	0	0	-1	1	7
42	2	1570	1796037300	210	210	-1	1	8
42	0	8	1796037600	643	89	-1	1	1
42	0	11	1796037600	70	126	-1	1	2
42	0	17	1796037600	127	215	-1	1	3
42	0	18	1796037600	475	48	0	1	4
42	0	26	1796037600	465	243	-1	1	5
42	1	8	1796037600	0	0	0	1	6
42	1	9	1796037600	0	0	-1	1	7
42	2	1570	1796037600	210	210	-1	1	8
42	0	8	1796037900	643	89	-1	1	1
42	0	11	1796037900	70	126	-1	1	2
42	0	17	1796037900	126	210	-1	1	3
42	0	18	1796037900	485	49	0	1	4
42	0	26	1796037900	465	243	-1	1	5
42	1	8	1796037900	0	0	0	1	6
42	1	9	1796037900	0	0	-1	1	7
42	2	1570	1796037900	210	210	-1	1	8
42	0	8	1796038200	646	87	-1	1	1
42	0	11	1796038200	70	126	-1	1	2
42	0	17	1796038200	126	210	-1	1	3
42	0	18	1796038200	485	49	0	1	4
42	0	26	1796038200	465	243	-1	1	5
42	1	8	1796038200	0	0	0	1	6
42	1	9	1796038200	0	0	-1	1	7
42	2	1570	1796038200	210	210	-1	1	8
42	0	8	1796038500	647	86	-1	1	1
42	0	11	1796038500	70	126	-1	1	2
42	0	17	1796038500	126	210	-1	1	3
42	0	18	1796038500	485	49	0	1	4
42	0	26	1796038500	465	243	-1	1	5
42	1	8	1796038500	0	0	0	1	6
42	1	9	1796038500	0	0	-1	1	7
42	2	1570	1796038500	210	210	-1	1	8
42	0	8	1796038800	647	86	-1	1	1
42	0	11	1796038800	69	120	-1	1	2
42	0	17	1796038800	125	205	-1	1	3
42	0	18	1796038800	485	49	0	1	4
42	0	26	1796038800	465	243	-1	1	5
42	1	8	1796038800	0	0	0	1	6
42	1	9	1796038800	0	0	-1	1	7
42	2	1570	1796038800	210	210	-1	1	8
42	0	8	1796039100	646	87	-1	1	1
42	0	11	1796039100	68	113	-1	1	2
42	0	17	1796039100	125	205	-1	1	3
42	0	18	1796039100	485	49	0	1	4
42	0	26	1796039100	465	243	-1	1	5
42	1	8	1796039100	0	0	0	1	6
42	1	9	1796039100	0	0	-1	1	7
42	2	1570	1796039100	210	210	-1	1	8
42	0	8	1796039400	643	89	-1	1	1
42	0	11	1796039400	68	113	-1	1	2
42	0	17	1796039400	125	205	-1	1	3
42	0	18	1796039400	485	49	0	1	4
42	0	26	1796039400	465	243	-1	1	5
42	1	8	1796039400	0	0	0	1	6
42	1	9	1796039400	0	0	-1	1	7
42	2	1570	1796039400	210	210	-1	1	8
42	0	8	1796039700	639	92	-1	1	1
42	0	11	1796039700	68	113	-1	1	2
42	0	17	1796039700	125	205	-1	1	3
42	0	18	1796039700	475	48	0	1	4
42	0	26	1796039700	431	273	-1	1	5
42	1	8	1796039700	2	100	0	1	6
42	1	9	1796039700	538	538	-1	1	7
42	2	1570	1796039700	210	210	-1	1	8
42	0	8	1796040000	637	94	-1	1	1
42	0	11	1796040000	68	113	-1	1	2
42	0	17	1796040000	125	205	-1	1	3
42	0	18	1796040000	465	47	0	1	4
42	0	26	1796040000	430	274	-1	1	5
42	1	8	1796040000	2	100	0	1	6
42	1	9	1796040000	476	476	-1	1	7
42	2	1570	1796040000	210	210	-1	1	8
\.


--
-- Data for Name: sites; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.sites (site, name, name_end, zone) FROM stdin;
42	Riverside Offices	1796040000	\N
\.


--
-- Data for Name: unit_texts; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.unit_texts (units, type_name, unit) FROM stdin;
C	TS4-C	°C
C	TS1V	°C
C	TS1V2	°C
C	PT1K	°C
C	TSSHTC	°C
F	TS4-F	°F
F	TS1V2F	°F
F	TS1KF	°F
F	PT1KF	°F
F	TSSHTF	°F
B	AKS33L	bar
B	AKS33H	bar
\.


--
-- Data for Name: zerb32_store; Type: TABLE DATA; Schema: public; Owner: -
--

COPY public.zerb32_store (schema_version, created_at) FROM stdin;
5	2026-12-08 21:19:09.308377+00
\.


--
-- Name: imports_id_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.imports_id_seq', 1, true);


--
-- Name: meanings_id_seq; Type: SEQUENCE SET; Schema: public; Owner: -
--

SELECT pg_catalog.setval('public.meanings_id_seq', 8, true);


--
-- Name: channels channels_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.channels
    ADD CONSTRAINT channels_pkey PRIMARY KEY (site, kind, key);


--
-- Name: holdings holdings_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.holdings
    ADD CONSTRAINT holdings_pkey PRIMARY KEY (site, kind, key, first_time);


--
-- Name: import_channels import_channels_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.import_channels
    ADD CONSTRAINT import_channels_pkey PRIMARY KEY (import, "position");


--
-- Name: imports imports_content_hash_key; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.imports
    ADD CONSTRAINT imports_content_hash_key UNIQUE (content_hash);


--
-- Name: imports imports_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.imports
    ADD CONSTRAINT imports_pkey PRIMARY KEY (id);


--
-- Name: meaning_labels meaning_labels_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.meaning_labels
    ADD CONSTRAINT meaning_labels_pkey PRIMARY KEY (meaning);


--
-- Name: meanings meanings_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.meanings
    ADD CONSTRAINT meanings_pkey PRIMARY KEY (id);


--
-- Name: meanings meanings_site_kind_key_type_name_units_exponent_digital_key; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.meanings
    ADD CONSTRAINT meanings_site_kind_key_type_name_units_exponent_digital_key UNIQUE (site, kind, key, type_name, units, exponent, digital);


--
-- Name: readings readings_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.readings
    ADD CONSTRAINT readings_pkey PRIMARY KEY (site, kind, key, "time");


--
-- Name: sites sites_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.sites
    ADD CONSTRAINT sites_pkey PRIMARY KEY (site);


--
-- Name: unit_texts unit_texts_pkey; Type: CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.unit_texts
    ADD CONSTRAINT unit_texts_pkey PRIMARY KEY (units, type_name);


--
-- Name: conflicts_at; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX conflicts_at ON public.conflicts USING btree (site, "time");


--
-- Name: conflicts_by_site; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX conflicts_by_site ON public.conflicts USING btree (site);


--
-- Name: imports_by_legacy_hash; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX imports_by_legacy_hash ON public.imports USING btree (legacy_hash) WHERE (legacy_hash IS NOT NULL);


--
-- Name: imports_by_site; Type: INDEX; Schema: public; Owner: -
--

CREATE INDEX imports_by_site ON public.imports USING btree (site, last_time);


--
-- Name: readings_days; Type: STATISTICS; Schema: public; Owner: -
--

CREATE STATISTICS public.readings_days ON ('1970-01-01'::date + floor("time"::double precision / 86400::double precision)::integer) FROM public.readings;


--
-- Name: import_channels import_channels_import_fkey; Type: FK CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.import_channels
    ADD CONSTRAINT import_channels_import_fkey FOREIGN KEY (import) REFERENCES public.imports(id);


--
-- Name: imports imports_site_fkey; Type: FK CONSTRAINT; Schema: public; Owner: -
--

ALTER TABLE ONLY public.imports
    ADD CONSTRAINT imports_site_fkey FOREIGN KEY (site) REFERENCES public.sites(site);


--
-- PostgreSQL database dump complete
--

\unrestrict chV9zTwXd4CljRbjmLndLouhD86cnLLByU4xkj87XjLjTFnc0DvjMoGVHgqhiij

