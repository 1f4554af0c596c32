"""mphi.batch on a Dask cluster, for tables that outgrow one machine.

    from distributed import Client
    import mphi.dask
    results = mphi.dask.batch("sections.csv", client=Client("tcp://scheduler:8786"))

The table is cut into partitions of whole rows; each runs on a worker
through the same batch as mphi.batch, and the answer is the same, row for
row: "data row N" in a status counts rows of the whole table, and an id
that repeats a row of another partition is refused as it is in one piece.
Every worker needs the mphi package importable.
"""

import mphi
from . import _mphi

__all__ = ["batch"]


def _run_part(part, header, decimal_comma, model, units, length):
    rows, first_row, earlier_ids = part
    # One thread per task: the workers' own threads run the partitions.
    return _mphi.batch_rows(header, rows, decimal_comma, first_row, earlier_ids,
                            model, units, length, 1)


def _parts(rows, id_column, count):
    """The rows in `count` runs of nearly equal size, each with its first
    row number and the ids it repeats from earlier runs."""
    size = max(1, -(-len(rows) // max(1, count)))
    first_row_of = {}
    parts = []
    for start in range(0, len(rows), size):
        part = rows[start:start + size]
        earlier = {}
        if id_column >= 0:
            ids = [row[id_column] for row in part]
            earlier = {i: first_row_of[i] for i in ids if i in first_row_of}
            for number, i in enumerate(ids, start + 1):
                first_row_of.setdefault(i, number)
        parts.append((part, start, earlier))
    return parts


def batch(table, client=None, partitions=None, model="spec", units="t-cm", length=None):
    """mphi.batch with the rows spread over a Dask cluster.

    `table`, `model`, `units` and `length` as for mphi.batch. `client`: a
    distributed.Client (a real cluster, by its scheduler's address);
    without one, a LocalCluster on this machine, closed afterwards.
    `partitions`: how many pieces to cut the table into (default: four
    per worker thread). Returns what mphi.batch returns for the same table.
    """
    read = mphi._read(table)
    _, header, rows, decimal_comma, id_column = read
    own = client is None
    if own:
        from distributed import Client, LocalCluster
        cluster = LocalCluster(dashboard_address=None)
        client = Client(cluster)
    try:
        if partitions is None:
            threads = sum(client.nthreads().values())
            partitions = 4 * max(1, threads)
        futures = client.map(_run_part, _parts(rows, id_column, partitions), header=header,
                             decimal_comma=decimal_comma, model=model, units=units,
                             length=length, pure=False)
        answers = client.gather(futures)
    finally:
        if own:
            client.close()
            cluster.close()

    ran = sorted({name for answer in answers for name in answer[2]})
    names = ["status"] + _mphi.batch_columns(ran, model, units) + ["warnings"]
    cells = []
    for part_names, part_cells, _ in answers:
        where = [part_names.index(n) if n in part_names else -1 for n in names]
        cells += [[row[i] if i >= 0 else "" for i in where] for row in part_cells]
    if not answers:  # a table without rows
        names = _mphi.batch_rows(header, [], decimal_comma, 0, {}, model, units, length, 1)[0]
    return mphi._assemble(read, names, cells)
