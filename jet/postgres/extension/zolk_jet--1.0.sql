-- What the practice library's statements need on the server: the declared types of its schema,
-- the collation of Jet's text comparisons, and the jet_* functions its translator prints, which
-- run the platform's own code (zolk_jet.so).
\echo Use "CREATE EXTENSION zolk_jet" to load this file. \quit

-- Letter case ignored, accents kept, whatever the server's locale.
CREATE COLLATION jet (provider = icu, locale = 'und-u-ks-level2', deterministic = false);

-- The declared types, by the names the library's catalog reads back. A text compares as Jet
-- compares texts; VARCHAR(n) is a domain of the schema script ("varchar(n)" over this text), so
-- that a longer text is kept whole, as on SQLite, while the catalog still reads its size.
CREATE DOMAIN yesno AS smallint CHECK (VALUE IN (0, -1));
CREATE DOMAIN byte AS smallint CHECK (VALUE BETWEEN 0 AND 255);
CREATE DOMAIN currency AS numeric(19, 4);
CREATE DOMAIN datetime AS timestamp(0);
CREATE DOMAIN double AS double precision;
CREATE DOMAIN longtext AS text COLLATE jet;

CREATE FUNCTION jet_like("any", "any") RETURNS boolean
    AS 'MODULE_PATHNAME', 'jet_like' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION jet_text("any", text) RETURNS text
    AS 'MODULE_PATHNAME', 'jet_text' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION jet_format("any", "any", text) RETURNS text
    AS 'MODULE_PATHNAME', 'jet_format' LANGUAGE C IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION jet_concat(VARIADIC "any") RETURNS text
    AS 'MODULE_PATHNAME', 'jet_concat' LANGUAGE C IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION jet_case("any", text) RETURNS text
    AS 'MODULE_PATHNAME', 'jet_case' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION jet_right("any", "any") RETURNS text
    AS 'MODULE_PATHNAME', 'jet_right' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION jet_cast("any", text, text) RETURNS text
    AS 'MODULE_PATHNAME', 'jet_cast' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION jet_op(text, "any", text, "any", text) RETURNS text
    AS 'MODULE_PATHNAME', 'jet_op' LANGUAGE C IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION jet_evaluator_names() RETURNS text[]
    AS 'MODULE_PATHNAME', 'jet_evaluator_names' LANGUAGE C IMMUTABLE;

-- The platform's functions, one entry point for all, found by the called function's name.
DO $$
DECLARE
    name text;
BEGIN
    FOREACH name IN ARRAY jet_evaluator_names() LOOP
        EXECUTE format('CREATE FUNCTION %I(text) RETURNS text AS %L, %L LANGUAGE C VOLATILE PARALLEL SAFE',
                       name, 'MODULE_PATHNAME', 'jet_evaluate');
        EXECUTE format('CREATE FUNCTION %I(text, VARIADIC "any") RETURNS text AS %L, %L '
                       'LANGUAGE C VOLATILE PARALLEL SAFE', name, 'MODULE_PATHNAME', 'jet_evaluate');
    END LOOP;
END
$$;

-- A compared date in its full form: the server's timestamps always are.
CREATE FUNCTION jet_date(anyelement) RETURNS anyelement
    AS 'SELECT $1' LANGUAGE SQL IMMUTABLE PARALLEL SAFE;

-- The last number an insertion generated on this connection; 0 before any.
CREATE FUNCTION jet_identity() RETURNS integer LANGUAGE plpgsql VOLATILE AS $$
BEGIN
    RETURN lastval();
EXCEPTION WHEN object_not_in_prerequisite_state THEN
    RETURN 0;
END
$$;

-- First and Last: the first and last value of the group that is not Null.
CREATE FUNCTION jet_first_step(anyelement, anyelement) RETURNS anyelement
    AS 'SELECT $1' LANGUAGE SQL IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION jet_last_step(anyelement, anyelement) RETURNS anyelement
    AS 'SELECT $2' LANGUAGE SQL IMMUTABLE STRICT PARALLEL SAFE;
CREATE AGGREGATE jet_first(anyelement) (SFUNC = jet_first_step, STYPE = anyelement);
CREATE AGGREGATE jet_last(anyelement) (SFUNC = jet_last_step, STYPE = anyelement);

-- The value of a subquery's only row, Null without rows; a second row is Jet's error.
CREATE FUNCTION jet_one_step(anyarray, anyelement) RETURNS anyarray LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
    IF cardinality($1) > 0 THEN
        RAISE EXCEPTION USING ERRCODE = 'JET00',
            MESSAGE = '-2147467259:At most one record can be returned by this subquery.';
    END IF;
    RETURN array_append($1, $2);
END
$$;
CREATE FUNCTION jet_one_final(anyarray) RETURNS anyelement
    AS 'SELECT $1[1]' LANGUAGE SQL IMMUTABLE;
CREATE AGGREGATE jet_one(anyelement) (SFUNC = jet_one_step, STYPE = anyarray, FINALFUNC = jet_one_final,
                                      INITCOND = '{}');
